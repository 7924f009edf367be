#include "ChoixTableView.h"

#include "app/Fonts.h"
#include "app/Palette.h"
#include "app/RedKey.h"
#include "app/Touch.h"

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
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
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

ChoixTableView::ChoixTableView(QWidget* parent)
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
    setBackground(Palette::Background);
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

void ChoixTableView::buildPanel9()
{
    m_panel13->place(m_button30, QRectF(0, 0, 183.1, 42.3));
    m_panel13->place(m_button26, QRectF(191.1, 0, 183.1, 42.3));
    m_panel9->place(m_listViewtable, QRectF(0, 37.1, 374.5, 484.3));
    m_listViewtable->setFont(Fonts::plain(18));
    // the list starts a little under the button strip: the buttons stay whole on top of it
    m_panel9->place(m_panel13, QRectF(0, 0, 375, 41.9));
}

void ChoixTableView::buildPanelcouv()
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
