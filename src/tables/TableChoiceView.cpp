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
      m_label12(namedLabel(QStringLiteral("Label12"), QString(), Fonts::plain(16), Palette::Caption)),
      m_button5(key(QStringLiteral("button5"), QStringLiteral("Label31"),
                    QStringLiteral("Travailler sans table sur le compte serveur"))),
      m_button19(key(QStringLiteral("button19"), QStringLiteral("Label32"), QStringLiteral("Nombre de couverts"))),
      m_button20(key(QStringLiteral("button20"), QStringLiteral("Label33"), QStringLiteral("Plan de salle"))),
      m_button25(key(QStringLiteral("button25"), QStringLiteral("Label34"), QStringLiteral("Tables occupées"))),
      m_button24(key(QStringLiteral("button24"), QStringLiteral("Label35"), QStringLiteral("Tables libres"))),
      m_quitter(namedButton(QStringLiteral("Quitter"), QStringLiteral("Quitter"), Fonts::plain(14, true))),
      m_label20(namedLabel(QStringLiteral("Label20"), QStringLiteral("Bon service !"), Fonts::plain(11, false, true),
                           Palette::Footer)),
      // the caption names the waiter once he is identified
      m_button17(namedButton(QStringLiteral("Button17"), QStringLiteral("Se déconnecter"), Fonts::plain(14, true))),
      m_panel9(new TableListPanel), m_panelcouv(new CoversPanel)
{
    auto* background = new ColourShape(QStringLiteral("Rectangle4"), Palette::Background);
    fill(background);
    background->lower();
    // the header is one line of the label's own height, whatever the window's size
    dockTop(m_label12, QFontMetrics(m_label12->font()).height());
    place(m_button5, QRectF(12.7, 26.3, 274.2, 36.9));
    place(m_button19, QRectF(11.1, 79.5, 129.5, 51.8));
    place(m_button20, QRectF(157.3, 79.5, 129.5, 51.8));
    place(m_button25, QRectF(11.1, 147.6, 129.5, 51.8));
    place(m_button24, QRectF(157.3, 147.6, 129.5, 51.8));
    place(m_quitter, QRectF(178.8, 355.6, 119.2, 28.4));
    dockBottom(m_button17, 30);
    dockBottom(m_label20, 23);
    // the footer may run under Quitter on a short window: it must not take its taps
    m_label20->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_label20->stackUnder(m_quitter);

    fill(m_panel9);
    m_panel9->hide();
    fill(m_panelcouv);
    m_panelcouv->hide();
}

void TableChoiceView::showWaiter(const QString& name)
{
    m_panel9->hide();
    m_label12->setText(name + QStringLiteral(" Aucune Table"));
    m_button17->setText(QStringLiteral("Se déconnecter du compte ") + name);
}

void TableChoiceView::showHeader(const QString& text)
{
    m_label12->setText(text);
}

void TableChoiceView::showTableList(const QStringList& items)
{
    m_panel9->showTables(items);
}

void TableChoiceView::closeTableList()
{
    m_panel9->hide();
}

QString TableChoiceView::selectedTable() const
{
    return m_panel9->selectedTable();
}

void TableChoiceView::openCoversPanel()
{
    m_panelcouv->raise();
    m_panelcouv->show();
}

void TableChoiceView::closeCoversPanel()
{
    m_panelcouv->hide();
}
