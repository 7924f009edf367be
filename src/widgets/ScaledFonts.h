#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QPointer>
#include <QWidget>

#include <algorithm>
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
    void addFitted(QLabel* label)
    {
        m_fitted.emplace_back(label, label->font());
        m_added = true;
    }

    // Records the font `control` has now (set at design size) and those of its children that set their own.
    void add(QWidget* control)
    {
        m_fonts.emplace_back(control, control->font());
        for (QWidget* child : control->findChildren<QWidget*>()) {
            if (child->testAttribute(Qt::WA_SetFont))
                m_fonts.emplace_back(child, child->font());
        }
        m_added = true;
    }

    // Records the children of a view that set their own font and are not recorded yet: a stretched view records its
    // controls as they come.
    void addChildren(const QWidget* view)
    {
        for (QWidget* child : view->findChildren<QWidget*>()) {
            const bool known = std::any_of(m_fonts.cbegin(), m_fonts.cend(),
                                           [child](const auto& entry) { return entry.first == child; });
            if (!known && child->testAttribute(Qt::WA_SetFont)) {
                m_fonts.emplace_back(child, child->font());
                m_added = true;
            }
        }
    }
    // Every recorded font at its design size times factor; stretch widens or narrows the glyphs (100: as designed).
    void apply(qreal factor, int stretch = 100)
    {
        // a font recorded since the last time is at its design size, whatever the factor
        if (factor <= 0 || (qFuzzyCompare(factor, m_factor) && stretch == m_stretch && !m_added))
            return;
        m_added = false;
        m_factor = factor;
        m_stretch = stretch;
        for (const auto& [control, design] : m_fonts) {
            if (!control)
                continue;
            QFont font = design;
            if (design.pixelSize() > 0)
                font.setPixelSize(qMax(1, qRound(design.pixelSize() * factor)));
            else
                font.setPointSizeF(design.pointSizeF() * factor);
            if (stretch != 100)
                font.setStretch(stretch);
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
        // the design size is taken whether the text fits or not: only the sizes above it are measured
        QFont font = design;
        for (int size = qRound(design.pixelSize() * factor); size > design.pixelSize(); --size) {
            font.setPixelSize(size);
            const QRect needed = QFontMetrics(font).boundingRect(box, flags, label->text());
            if (needed.height() <= box.height() && needed.width() <= box.width()) {
                label->setFont(font);
                return;
            }
        }
        label->setFont(design);
    }

    std::vector<std::pair<QPointer<QWidget>, QFont>> m_fonts;
    std::vector<std::pair<QPointer<QLabel>, QFont>> m_fitted;
    qreal m_factor = 1;
    int m_stretch = 100;
    bool m_added = false;
};
