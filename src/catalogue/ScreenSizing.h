#pragma once

class TForm4;

// Fits the waiter, order and closing screens to the device once per catalogue load. The places set here
// are pinned, so a later resize of a view does not bring back the designed ones.
namespace ScreenSizing {

// The eight waiter keys, from the waiter screen's size.
void sizeWaiterButtons(TForm4& form);
// The order and closing screens: ticket texts, product tabs, banner, payment keys and side keys.
void sizeScreens(TForm4& form);
// The side keys' and the table-choice keys' captions, once the product keys are built.
void sizeCaptionFonts(TForm4& form);

} // namespace ScreenSizing
