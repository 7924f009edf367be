#include "CatalogueGeometry.h"

#include "DecimalField.h"
#include "link/ReplyText.h"
#include "session/Limits.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace CatalogueGeometry {

namespace {

constexpr int RowsOfSetMenu = 7;
constexpr std::array<quint32, RowsOfSetMenu> RowColours = {0xFFAAAAFF, 0xFFFFFF00, 0xFFFFFFAA, 0xFFFF00FF,
                                                           0xFFAAFFFF, 0xFF00FFFF, 0xFFFFAAAA};

double single(double value)
{
    return static_cast<float>(value);
}

QRectF singleRect(double x, double y, double width, double height)
{
    return {single(x), single(y), single(width), single(height)};
}

int hexDigit(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

std::int64_t entry(const QStringList& list, int z)
{
    return z >= 0 && z < list.size() ? decimalField(list.at(z)) : 0;
}

// The register's plan is 600 units wide and 800 high: a table reaches no further, so its box stays within what a
// control can hold whatever number is sent.
constexpr std::int64_t PlanWidth = 600;
constexpr std::int64_t PlanHeight = 800;

} // namespace

int keyWidth(int largeurinit)
{
    return (largeurinit - 5) / 4;
}

int keyFontSize(int largeurinit)
{
    return (keyWidth(largeurinit) * 26) / 196;
}

KeyBox productKey(int largeurinit, int p)
{
    const int w = keyWidth(largeurinit);
    const int h = (3 * w) / 5;
    const int row = p < KeyColumns * (LastKeyRow + 1) ? p / KeyColumns : LastKeyRow;
    const QRect body((p % KeyColumns) * w, (3 * w * row) / 5, w, h);
    return {body, QRect(body.x() + 2, body.y() + 2, w - 4, h - 4), keyFontSize(largeurinit)};
}

std::vector<int> keyPositions(const ProductTable& prod, int productCount)
{
    std::vector<int> positions;
    positions.reserve(size_t(std::clamp(productCount, 0, KeyCount)));
    int keyboard = 1;
    int first = 0;
    for (int k = 0; k < productCount && k < KeyCount; ++k) {
        if (prod.numclav(k) != keyboard) {
            keyboard = prod.numclav(k);
            first = k;
        }
        positions.push_back(k - first);
    }
    return positions;
}

std::optional<quint32> keyColour(const QString& couleur)
{
    const QStringView digits = QStringView(couleur).mid(1);
    if (digits.isEmpty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (const QChar c : digits) {
        const int digit = hexDigit(c.unicode());
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + std::uint64_t(digit);
        if (value > 0xFFFFFFFFu)
            return std::nullopt;
    }
    return static_cast<quint32>(value);
}

CellBox setMenuCell(int largeurinit, int hauteurinit, int z)
{
    const int hT = (hauteurinit - 20) / 8;
    const int wU = (largeurinit - 10) / 4;
    const int row = z % RowsOfSetMenu;
    const QRect body((z / RowsOfSetMenu) * (wU + 5), row * (hT + 5), wU, hT);
    return {body, QRect(body.x() + 5, body.y() + 5, wU - 10, hT - 10), RowColours[size_t(row)],
            keyFontSize(largeurinit)};
}

TableButton tableButton(const CatalogueParse::TablePlan& plan, int z, int largeurinit, int hauteurinit,
                        double tabHeight)
{
    const std::int64_t left = std::clamp(entry(plan.tableleft, z), -PlanWidth, PlanWidth);
    const std::int64_t top = std::clamp(entry(plan.tabletop, z), -PlanHeight, PlanHeight);
    const std::int64_t height = std::clamp(entry(plan.tableh, z), std::int64_t{0}, PlanHeight);
    const std::int64_t width = std::clamp(entry(plan.tablew, z), std::int64_t{0}, PlanWidth);
    const double wi = largeurinit;
    const double hi = hauteurinit;
    const double th = tabHeight;

    TableButton button;
    button.body.setHeight(double(height) / 800 * 1.2 * hi);
    button.body.setWidth(double(width) / 600 * 1.2 * wi);
    button.caption = QRectF(0, 0, double(width * largeurinit) * 1.2 / 600, double(height * hauteurinit) * 1.2 / 800);
    button.body.moveLeft(double(std::llabs(left + width) * largeurinit) / 600);
    button.body.moveTop((hi - th) - double(top + height) * (hi - th) / 800 - th);
    button.text = QLatin1Char('T') + QString::number(z + 1);
    button.fontSize = (largeurinit * 28) / 1024;
    const QString tab = field(plan.tableplan, z);
    if (tab == QLatin1String("1") || tab == QLatin1String("2") || tab == QLatin1String("3"))
        button.planTab = tab.toInt() - 1;
    button.shown = field(plan.tablevisible, z) == QLatin1String("1");
    return button;
}

std::array<QRectF, Limits::Waiters> waiterButtons(double rw, double rh)
{
    std::array<QRectF, Limits::Waiters> buttons;
    for (size_t i = 0; i < buttons.size(); ++i) {
        const double x = i % 2 == 0 ? rw * 5 / 100 : rw * 52.5 / 100;
        const double y = rh * double(20 * (i / 2 + 1)) / 100;
        buttons[i] = singleRect(x, y, rw * 42.5 / 100, rh * 20 / 150);
    }
    return buttons;
}

ScreenLayout screenLayout(const ScreenInput& in)
{
    const int fw = in.formWidth;
    const int fh = in.formHeight;
    const int wi = in.largeurinit;
    const int hi = in.hauteurinit;
    const double t = single(in.tabTop);

    ScreenLayout out;
    out.ticket = QRectF(0, 0, wi, hi);
    out.encaissement = QRectF(0, 0, wi, hi);
    out.tabControlY = t;
    out.tabControlWidth = wi;
    out.tabControlHeight = single(hi - t);
    out.memo1 = QRectF((fw * 16) / 100, 0, (fw * 68) / 100, t);
    out.memo3 = QRectF(0, 0, fw, t);
    out.rectangle1 = singleRect(0, out.memo3.height() + 5, fw, double(in.displayHeight) * 10 / 100);

    // each value may read one set before it, as es's Y reads ba's height and cb's Y
    const double b1 = out.rectangle1.height() + out.rectangle1.y();
    const double buttonHeight = (fw * 20) / 100;
    const double narrow = single(double(fw) * 26.66 / 100);
    out.es.setWidth(single(double(fw) * 90 / 100));
    out.es.moveLeft(single(double(fw) * 5 / 100));
    out.cb.moveLeft((fw * 5) / 100);
    out.ba.moveLeft(single(double(fw) * 36.66 / 100));
    out.ch.moveLeft(single(double(fw) * 68.32 / 100));
    out.cb.setHeight(buttonHeight);
    out.ch.setHeight(buttonHeight);
    out.es.setHeight(buttonHeight);
    out.cb.setWidth(narrow);
    out.ch.setWidth(narrow);
    out.ba.setWidth(narrow);
    out.ba.setHeight(buttonHeight);
    out.cb.moveTop(single(b1 + double(hi) * 5 / 100));
    out.ch.moveTop(single(b1 + (fh * 5) / 100));
    out.ba.moveTop(single(b1 + (fh * 5) / 100));
    out.es.moveTop(single(out.ba.height() + (fh * 5) / 100 + out.cb.y()));

    const double u = single(out.memo1.height() / 5);
    const double sideWidth = (fw * 16) / 100;
    const double right = (fw * 84) / 100;
    const auto side = [&](const char* name, double x, int row, bool shown) {
        out.sideButtons.push_back({QString::fromLatin1(name), singleRect(x, u * row, sideWidth, u), shown});
    };
    side("b3", 0, 0, true);
    side("b2", 0, 1, true);
    side("b4", 0, 2, true);
    side("b12", 0, 3, true);
    side("b5", 0, 4, true);
    side("b1", 0, 0, false);
    side("b6", right, 0, true);
    side("b7", right, 1, true);
    side("b8", right, 2, true);
    side("b11", right, 3, true);
    side("b9", right, 4, true);
    side("b10", right, 4, false);
    return out;
}

int sideCaptionFontSize(int largeurinit)
{
    return (keyWidth(largeurinit) * 25) / 196;
}

} // namespace CatalogueGeometry
