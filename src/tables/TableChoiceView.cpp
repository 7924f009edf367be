#include "TableChoiceView.h"

#include "CoversPanel.h"
#include "TableListPanel.h"
#include "widgets/ColourShape.h"
#include "widgets/Fonts.h"
#include "widgets/NamedControls.h"
#include "widgets/Palette.h"
#include "widgets/RedKey.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

namespace {

RedKey* key(const QString& name, const QString& captionName, const QString& caption)
{
    auto* k = new RedKey(name, captionName, caption);
    k->caption()->setFont(Fonts::plain(14));
    return k;
}

} // namespace

TableChoiceView::TableChoiceView(QWidget* parent)
    : DesignView(QStringLiteral("choixtable"), QSizeF(298, 423), parent),
      m_headerLabel(namedLabel(QStringLiteral("Label12"), QString(), Fonts::plain(16), Palette::Caption)),
      m_waiterAccountKey(key(QStringLiteral("button5"), QStringLiteral("Label31"),
                             QStringLiteral("Travailler sans table sur le compte serveur"))),
      m_coversKey(key(QStringLiteral("button19"), QStringLiteral("Label32"), QStringLiteral("Nombre de couverts"))),
      m_roomPlanKey(key(QStringLiteral("button20"), QStringLiteral("Label33"), QStringLiteral("Plan de salle"))),
      m_busyTablesKey(key(QStringLiteral("button25"), QStringLiteral("Label34"), QStringLiteral("Tables occupées"))),
      m_freeTablesKey(key(QStringLiteral("button24"), QStringLiteral("Label35"), QStringLiteral("Tables libres"))),
      m_quitButton(namedButton(QStringLiteral("Quitter"), QStringLiteral("Quitter"), Fonts::plain(14, true))),
      m_footerLabel(namedLabel(QStringLiteral("Label20"), QStringLiteral("Bon service !"),
                               Fonts::plain(11, false, true), Palette::Footer)),
      // the caption names the waiter once he is identified
      m_logoutButton(namedButton(QStringLiteral("Button17"), QStringLiteral("Se déconnecter"), Fonts::plain(14, true))),
      m_tableListPanel(new TableListPanel), m_coversPanel(new CoversPanel)
{
    auto* background = new ColourShape(QStringLiteral("Rectangle4"), Palette::Background);
    fill(background);
    background->lower();
    // the header is one line of the label's own height, whatever the window's size
    dockTop(m_headerLabel, QFontMetrics(m_headerLabel->font()).height());
    place(m_waiterAccountKey, QRectF(12.7, 26.3, 274.2, 36.9));
    place(m_coversKey, QRectF(11.1, 79.5, 129.5, 51.8));
    place(m_roomPlanKey, QRectF(157.3, 79.5, 129.5, 51.8));
    place(m_busyTablesKey, QRectF(11.1, 147.6, 129.5, 51.8));
    place(m_freeTablesKey, QRectF(157.3, 147.6, 129.5, 51.8));
    place(m_quitButton, QRectF(178.8, 355.6, 119.2, 28.4));
    dockBottom(m_logoutButton, 30);
    dockBottom(m_footerLabel, 23);
    // the footer may run under Quitter on a short window: it must not take its taps
    m_footerLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_footerLabel->stackUnder(m_quitButton);

    fill(m_tableListPanel);
    m_tableListPanel->hide();
    fill(m_coversPanel);
    m_coversPanel->hide();
}

void TableChoiceView::showWaiter(const QString& name)
{
    m_tableListPanel->hide();
    m_headerLabel->setText(name + QStringLiteral(" Aucune Table"));
    m_logoutButton->setText(QStringLiteral("Se déconnecter du compte ") + name);
}

void TableChoiceView::showHeader(const QString& text)
{
    m_headerLabel->setText(text);
}

void TableChoiceView::showTableList(const QStringList& items)
{
    m_tableListPanel->showTables(items);
}

void TableChoiceView::closeTableList()
{
    m_tableListPanel->hide();
}

QString TableChoiceView::selectedTable() const
{
    return m_tableListPanel->selectedTable();
}

void TableChoiceView::openCoversPanel()
{
    m_coversPanel->raise();
    m_coversPanel->show();
}

void TableChoiceView::closeCoversPanel()
{
    m_coversPanel->hide();
}
