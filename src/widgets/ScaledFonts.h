#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QPointer>
#include <QWidget>

#include <utility>
#include <vector>

// The fonts of a view's scaled controls, kept at their design size and applied times a factor, so that text keeps
// its proportion to the boxes when a view is larger than its design (the start and configuration views at 800 ×
// 1280). A docked strip keeps its design height: its label's text grows only as far as it still fits the strip.
class ScaledFonts final
{
public:
    // A label whose box does not grow with the view: its font grows with the others, but never beyond what lets its
    // text fit its box, and never below its design size.
    void addFitted(QLabel* label) { m_fitted.emplace_back(label, label->font()); }

    // Records the font `control` has now (set at design size) and those of its children that set their own.
    void add(QWidget* control)
    {
        m_fonts.emplace_back(control, control->font());
        for (QWidget* child : control->findChildren<QWidget*>()) {
            if (child->testAttribute(Qt::WA_SetFont))
                m_fonts.emplace_back(child, child->font());
        }
    }

    void apply(qreal factor)
    {
        if (factor <= 0 || qFuzzyCompare(factor, m_factor))
            return;
        m_factor = factor;
        for (const auto& [control, design] : m_fonts) {
            if (!control)
                continue;
            QFont font = design;
            if (design.pixelSize() > 0)
                font.setPixelSize(qMax(1, qRound(design.pixelSize() * factor)));
            else
                font.setPointSizeF(design.pointSizeF() * factor);
            control->setFont(font);
        }
        for (const auto& [label, design] : m_fitted) {
            if (label)
                fit(label, design, factor);
        }
    }

private:
    static void fit(QLabel* label, const QFont& design, qreal factor)
    {
        if (design.pixelSize() <= 0)
            return;
        const QRect box = label->contentsRect();
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        QFont font = design;
        for (int size = qRound(design.pixelSize() * factor); size >= design.pixelSize(); --size) {
            font.setPixelSize(size);
            const QRect needed = QFontMetrics(font).boundingRect(box, flags, label->text());
            if (needed.height() <= box.height() && needed.width() <= box.width())
                break;
        }
        label->setFont(font);
    }

    std::vector<std::pair<QPointer<QWidget>, QFont>> m_fonts;
    std::vector<std::pair<QPointer<QLabel>, QFont>> m_fitted;
    qreal m_factor = 1;
};
