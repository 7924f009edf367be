#pragma once

#include "CatalogueParse.h"
#include "ProductTable.h"
#include "session/Limits.h"

#include <QRect>
#include <QRectF>
#include <QString>

#include <array>
#include <optional>
#include <vector>

// Sizes and places of what the catalogue load builds, from the start view's size in whole units
// (`largeurinit`, `hauteurinit`) and the window's. Values only: the views apply them.
namespace CatalogueGeometry {

// Product keys, by position p of the product in its keyboard.
constexpr int KeyCount = 801;
constexpr int KeyColumns = 4;
// a keyboard's keys from the 65th on all lie on the sixteenth row
constexpr int LastKeyRow = 15;

struct KeyBox
{
    QRect body;
    QRect caption; // in the scroll box, 2 units inside the body
    int fontSize = 0;
};

int keyWidth(int largeurinit);
// The product key captions' font size, also that of the set-menu cells.
int keyFontSize(int largeurinit);
KeyBox productKey(int largeurinit, int p);
// The position in its keyboard of each of the first productCount products that get a key (at most 801).
std::vector<int> keyPositions(const ProductTable& prod, int productCount);
// `couleur` without its first character, read as hexadecimal ARGB; none when it is not hexadecimal.
std::optional<quint32> keyColour(const QString& couleur);

// Set-menu grid, cells z = 0..250: row z mod 7, column z div 7.
constexpr int SetMenuCellCount = 251;

struct CellBox
{
    QRect body;
    QRect caption; // 5 units inside the body
    quint32 colour = 0;
    int fontSize = 0;
};

CellBox setMenuCell(int largeurinit, int hauteurinit, int z);

// Table buttons, z = 0..99 for table z+1.
constexpr quint32 TableBodyColour = 0x55FF0000;
constexpr quint32 TableCaptionColour = 0x00000000; // the room plan colours it by table state

struct TableButton
{
    QRectF body;
    QRectF caption; // inside the body, at its top-left corner
    QString text;
    int fontSize = 0;
    std::optional<int> planTab; // tab 0..2 of the room plan; none: the button is never shown
    bool shown = false;
};

// Converts the table's left, top, height and width, so a bad one throws FormatError at this table.
// An absent entry reads as 0, and as empty for the plan number and visibility.
TableButton tableButton(const CatalogueParse::TablePlan& plan, int z, int largeurinit, int hauteurinit,
                        double tabHeight);

// Screens. Values are kept as single-precision reals, as the controls hold them.
std::array<QRectF, Limits::Waiters> waiterButtons(double rw, double rh);

struct ScreenInput
{
    int largeurinit = 0;
    int hauteurinit = 0;
    int formWidth = 0;
    int formHeight = 0;
    double tabTop = 0;     // the product tab control's designed Y
    int displayHeight = 0; // of the screen the window is on
};

struct SideButton
{
    QString name;
    QRectF box;
    bool shown = true;
};

struct ScreenLayout
{
    QRectF ticket;
    QRectF encaissement;
    double tabControlY = 0; // the tab control keeps its designed X
    double tabControlWidth = 0;
    double tabControlHeight = 0;
    QRectF memo1;
    QRectF memo3;
    QRectF rectangle1;
    QRectF cb;
    QRectF ch;
    QRectF ba;
    QRectF es;
    std::vector<SideButton> sideButtons;
};

ScreenLayout screenLayout(const ScreenInput& input);
// The side buttons' and table-choice buttons' captions.
int sideCaptionFontSize(int largeurinit);

} // namespace CatalogueGeometry
