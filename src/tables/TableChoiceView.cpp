#include "TableChoiceView.h"

#include "widgets/ColourShape.h"
#include "widgets/ColouredLabel.h"
#include "widgets/Fonts.h"
#include "widgets/Palette.h"
#include "widgets/RedKey.h"
#include "widgets/Touch.h"

#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

QLabel* text(const QString& name, const QString& caption, const QFont& font, const QColor& colour)
{
    auto* label = new QLabel(caption);
    label->setObjectName(name);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    setTextColour(label, colour);
    return label;
}

QPushButton* button(const QString& name, const QString& caption, const QFont& font)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    b->setFont(font);
    return b;
}

RedKey* key(const QString& name, const QString& captionName, const QString& caption)
{
    auto* k = new RedKey(name, captionName, caption);
    k->caption()->setFont(Fonts::plain(14));
    return k;
}

QListWidget* list(const QString& name)
{
    auto* l = new QListWidget;
    l->setObjectName(name);
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    enableTouchPanning(l);
    return l;
}

DesignView* panel(const QString& name, const QSizeF& designSize)
{
    auto* view = new DesignView(name, designSize);
    view->setBackground(Palette::Background);
    return view;
}

} // namespace

TableChoiceView::TableChoiceView(QWidget* parent)
    : DesignView(QStringLiteral("choixtable"), QSizeF(298, 423), parent),
      m_label12(text(QStringLiteral("Label12"), QString(), Fonts::plain(16), Palette::Caption)),
      m_button5(key(QStringLiteral("button5"), QStringLiteral("Label31"),
                    QStringLiteral("Travailler sans table sur le compte serveur"))),
      m_button19(key(QStringLiteral("button19"), QStringLiteral("Label32"), QStringLiteral("Nombre de couverts"))),
      m_button20(key(QStringLiteral("button20"), QStringLiteral("Label33"), QStringLiteral("Plan de salle"))),
      m_button25(key(QStringLiteral("button25"), QStringLiteral("Label34"), QStringLiteral("Tables occupées"))),
      m_button24(key(QStringLiteral("button24"), QStringLiteral("Label35"), QStringLiteral("Tables libres"))),
      m_quitter(button(QStringLiteral("Quitter"), QStringLiteral("Quitter"), Fonts::plain(14, true))),
      m_label20(text(QStringLiteral("Label20"), QStringLiteral("Bon service !"), Fonts::plain(11, false, true),
                     Palette::Footer)),
      // the caption names the waiter once he is identified
      m_button17(button(QStringLiteral("Button17"), QStringLiteral("Se déconnecter"), Fonts::plain(14, true))),
      m_panel9(panel(QStringLiteral("Panel9"), QSizeF(375, 521))),
      m_panel13(new DesignView(QStringLiteral("Panel13"), QSizeF(375, 41.9))),
      m_button30(button(QStringLiteral("Button30"), QStringLiteral("Annuler"), Fonts::plain(14))),
      m_button26(button(QStringLiteral("Button26"), QStringLiteral("Valider"), Fonts::plain(14))),
      m_listViewtable(list(QStringLiteral("ListViewtable"))),
      m_panelcouv(panel(QStringLiteral("Panelcouv"), QSizeF(298, 423))),
      m_label10(text(QStringLiteral("Label10"), QStringLiteral("Saisie du nombre de couverts"), Fonts::plain(14, true),
                     Palette::Caption)),
      m_label11(text(QStringLiteral("Label11"), QStringLiteral("Saisie du nombre de couverts"), Fonts::plain(14),
                     Palette::Caption)),
      m_listBox1(list(QStringLiteral("ListBox1"))),
      m_button15(button(QStringLiteral("Button15"), QStringLiteral("Valider"), Fonts::plain(11))),
      m_button31(button(QStringLiteral("Button31"), QStringLiteral("Sortir"), Fonts::plain(11)))
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

    buildPanel9();
    fill(m_panel9);
    m_panel9->hide();
    buildPanelcouv();
    fill(m_panelcouv);
    m_panelcouv->hide();
}

void TableChoiceView::buildPanel9()
{
    m_panel13->place(m_button30, QRectF(0, 0, 183.1, 42.3));
    m_panel13->place(m_button26, QRectF(191.1, 0, 183.1, 42.3));
    m_panel9->place(m_listViewtable, QRectF(0, 37.1, 374.5, 484.3));
    m_listViewtable->setFont(Fonts::plain(18));
    // the list starts a little under the button strip: the buttons stay whole on top of it
    m_panel9->place(m_panel13, QRectF(0, 0, 375, 41.9));
}

void TableChoiceView::buildPanelcouv()
{
    m_panelcouv->place(m_label10, QRectF(0, 0, 298, 30.3));
    m_panelcouv->place(m_label11, QRectF(0, 24.7, 298, 25.3));
    // an entry's row is the number of covers it stands for
    for (int couverts = 0; couverts <= MaxCouverts; ++couverts)
        m_listBox1->addItem(QString::number(couverts));
    m_listBox1->setFont(Fonts::plain(18));
    m_panelcouv->place(m_listBox1, QRectF(9.4, 46.2, 162.3, 279));
    m_panelcouv->place(m_button15, QRectF(194.9, 108.8, 98.3, 29));
    m_panelcouv->place(m_button31, QRectF(188.4, 277, 98.3, 29.3));
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
    m_listViewtable->clear();
    m_listViewtable->addItems(items);
    m_listViewtable->clearSelection();
    m_listViewtable->setCurrentRow(-1);
    if (items.isEmpty())
        return;
    m_listViewtable->show();
    m_panel9->show();
}

void TableChoiceView::closeTableList()
{
    m_panel9->hide();
}

QString TableChoiceView::selectedTable() const
{
    const QList<QListWidgetItem*> selected = m_listViewtable->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
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

void TableChoiceView::showCoversPrompt(const QString& text)
{
    m_label11->setText(text);
}

void TableChoiceView::showCurrentCovers(const QString& count)
{
    m_label11->setText(QStringLiteral("Actuellement, ") + count + QStringLiteral(" couvert(s)"));
}

void TableChoiceView::selectCovers(int count)
{
    if (count < 0)
        m_listBox1->clearSelection();
    m_listBox1->setCurrentRow(count);
}

int TableChoiceView::chosenCovers() const
{
    const QList<QListWidgetItem*> selected = m_listBox1->selectedItems();
    return selected.isEmpty() ? -1 : m_listBox1->row(selected.first());
}

void TableChoiceView::showChosenCovers()
{
    const QList<QListWidgetItem*> selected = m_listBox1->selectedItems();
    m_button15->setText(selected.isEmpty()
                            ? QStringLiteral("Valider")
                            : QStringLiteral("Valider ") + selected.first()->text() + QStringLiteral(" couvert(s)"));
}
