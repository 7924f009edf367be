#pragma once

class TForm4;
class ToggleSwitch;

// The configuration screen's handlers: opening from the start view, the four switches, leaving with or
// without saving. The view and the settings belong to the window; this only reaches them through it.
class ConfigScreen final
{
public:
    // Connects the switches and the two bottom buttons of the window's configuration view.
    explicit ConfigScreen(TForm4& form);

    // "Configuration" on the start view.
    void Button1Click();
    // "Quitter sans sauvegarder la configuration".
    void Button12Click();
    // "Sauvegarder la configuration".
    void Button13Click();

    void Switch1Switch();
    void Switch2Switch();
    void Switch3Switch();
    void Switch4Switch();

    // Step 4 of the settings read: the switches show slots 1 to 4. The switch handlers do not run meanwhile, so the
    // slots keep the values read (slot 4 "4" shows Switch4 on and stays "4").
    void setSwitchesFromSettings();

    // The bottom buttons' share of the start view's height and width, in percent.
    static constexpr double ButtonHeightPercent = 10;
    static constexpr double ButtonWidthPercent = 50;

private:
    void store(int slot, const ToggleSwitch* control, bool inverted);

    TForm4& m_form;
    bool m_settingSwitches = false;
};
