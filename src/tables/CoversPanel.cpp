#include "CoversPanel.h"

#include "session/Limits.h"
#include "widgets/Fonts.h"
#include "widgets/NamedControls.h"
#include "widgets/Palette.h"
#include "widgets/Touch.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

QLabel* prompt(const QString& name, const QFont& font)
{
    return namedLabel(name, QStringLiteral("Saisie du nombre de couverts"), font, Palette::Caption);
}

} // namespace

CoversPanel::CoversPanel(QWidget* parent)
    : DesignView(QStringLiteral("Panelcouv"), QSizeF(298, 423), parent),
      m_titleLabel(prompt(QStringLiteral("Label10"), Fonts::plain(14, true))),
      m_currentCoversLabel(prompt(QStringLiteral("Label11"), Fonts::plain(14))), m_coversList(new QListWidget),
      m_validateButton(namedButton(QStringLiteral("Button15"), QStringLiteral("Valider"), Fonts::plain(11))),
      m_leaveButton(namedButton(QStringLiteral("Button31"), QStringLiteral("Sortir"), Fonts::plain(11)))
{
    setBackground(Palette::Background);
    place(m_titleLabel, QRectF(0, 0, 298, 30.3));
    place(m_currentCoversLabel, QRectF(0, 24.7, 298, 25.3));

    m_coversList->setObjectName(QStringLiteral("ListBox1"));
    m_coversList->setSelectionMode(QAbstractItemView::SingleSelection);
    enableTouchPanning(m_coversList);
    fitRowsToFinger(m_coversList);
    // an entry's row is the number of covers it stands for
    for (int covers = 0; covers <= Limits::MaxCovers; ++covers)
        m_coversList->addItem(QString::number(covers));
    m_coversList->setFont(Fonts::plain(18));
    place(m_coversList, QRectF(9.4, 46.2, 162.3, 279));
    place(m_validateButton, QRectF(194.9, 108.8, 98.3, 29));
    place(m_leaveButton, QRectF(188.4, 277, 98.3, 29.3));
}

void CoversPanel::showPrompt(const QString& text)
{
    m_currentCoversLabel->setText(text);
}

void CoversPanel::showCurrentCovers(const QString& count)
{
    m_currentCoversLabel->setText(QStringLiteral("Actuellement, ") + count + QStringLiteral(" couvert(s)"));
}

void CoversPanel::selectCovers(int count)
{
    if (count < 0)
        m_coversList->clearSelection();
    m_coversList->setCurrentRow(count);
}

int CoversPanel::chosenCovers() const
{
    const QList<QListWidgetItem*> selected = m_coversList->selectedItems();
    return selected.isEmpty() ? -1 : m_coversList->row(selected.first());
}

void CoversPanel::showChosenCovers()
{
    const QList<QListWidgetItem*> selected = m_coversList->selectedItems();
    m_validateButton->setText(selected.isEmpty() ? QStringLiteral("Valider")
                                                 : QStringLiteral("Valider ") + selected.first()->text() +
                                                       QStringLiteral(" couvert(s)"));
}
