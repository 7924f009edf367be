#include "TicketView.h"

#include "KeyboardTabs.h"
#include "LineActionPanel.h"
#include "TicketMemo.h"
#include "widgets/CheckList.h"
#include "widgets/ColourShape.h"
#include "widgets/ColouredLabel.h"
#include "widgets/Fonts.h"
#include "widgets/ListPanel.h"
#include "widgets/Palette.h"
#include "widgets/RedKey.h"
#include "widgets/Touch.h"

#include "TicketText.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr QSizeF DesignSize(403, 651);
constexpr QRectF Memo1Box(64.7, 0, 270.4, 244.4);

// the first eight keyboards have short tabs whose names wrap
constexpr int WrappedTabs = 8;

struct SideKey
{
    const char* name;
    const char* captionName;
    QRectF box;
    const char* caption;
};

const std::array<SideKey, TicketView::SideKeys> SideKeyDesign{{
    {"b1", "Label40", {0, 337.5, 61.3, 48.1}, "Changer serveur"},
    {"b2", "Label38", {34.4, 320, 61.3, 48.1}, "Choisir table"},
    {"b3", "Label39", {147.4, 328.8, 61.3, 48.1}, "Retour menu"},
    {"b4", "Label41", {321.2, 346.3, 61.3, 48.1}, "Envoyer prépa"},
    {"b5", "Label42", {172.3, 450.5, 61.3, 48.1}, "Rappel prépa"},
    {"b6", "Label36", {17.2, 302.6, 61.3, 48.1}, "actualise ticket"},
    {"b7", "Label43", {77.4, 363.7, 61.3, 48.1}, "Message caisse"},
    {"b8", "Label45", {156.6, 381.2, 61.3, 48.1}, "Contenu formules"},
    {"b9", "Label44", {156.6, 506.8, 61.3, 48.1}, "Finaliser ticket"},
    {"b10", "Label37", {0, 394.2, 61.3, 48.1}, "Retour menu"},
    {"b11", "Proforma", {77.3, 459.5, 61.6, 48.4}, "Proforma"},
    {"b12", "Label73", {8.8, 402.7, 61.7, 48.6}, "Demande Suite"},
}};

// tab i holds keyboard i + 1; the tab items were numbered with a gap after the eighth
const std::array<int, Limits::Keyboards> TabItemNumbers{1, 2, 3, 4, 5, 6, 7, 8, 12, 13, 14, 15};

// the strip of the two list panels' buttons
constexpr qreal ListPanelStrip = 41;

} // namespace

TicketView::TicketView(QWidget* parent)
    : DesignView(QStringLiteral("ticket"), DesignSize, parent), m_ticketMemo(new TicketMemo(QStringLiteral("Memo1"))),
      m_noteLine(new QLineEdit), m_keyboardTabs(new KeyboardTabs(QStringLiteral("TabControl"), WrappedTabs)),
      m_lineActionPanel(new LineActionPanel),
      m_optionsPanel(
          ListPanel::createHidden({QStringLiteral("panel_env_cuis"), DesignSize, QStringLiteral("Button21"),
                                   QStringLiteral("Valider"), ListPanelStrip, QStringLiteral("ListViewcuis"), false})),
      m_recallPanel(
          ListPanel::createHidden({QStringLiteral("Panel2"), DesignSize, QStringLiteral("Button14"),
                                   QStringLiteral("Envoyer"), ListPanelStrip, QStringLiteral("ListViewrappel"), true})),
      m_curtain(new DesignView(QStringLiteral("Panel5"), DesignSize))
{
    auto* panel4 = new DesignView(QStringLiteral("Panel4"), DesignSize);
    panel4->fill(new ColourShape(QStringLiteral("Rectangle5"), Palette::Background));
    fill(panel4);
    panel4->lower();

    m_ticketMemo->setFont(Fonts::fixedBold(11));
    place(m_ticketMemo, Memo1Box);

    m_noteLine->setObjectName(QStringLiteral("Memoart"));
    m_noteLine->setReadOnly(true);
    m_noteLine->setFocusPolicy(Qt::NoFocus);
    m_noteLine->setAlignment(Qt::AlignCenter);
    m_noteLine->setFont(Fonts::plain(14, true));
    QPalette palette = m_noteLine->palette();
    palette.setColor(QPalette::Base, Palette::Background);
    palette.setColor(QPalette::Text, Palette::Caption);
    m_noteLine->setPalette(palette);
    // a one-line strip over the vertical centre of the ticket, hidden until there is something to say
    place(m_noteLine, QRectF(Memo1Box.x(), Memo1Box.center().y() - 12.5, Memo1Box.width(), 25));
    m_noteLine->hide();
    // the first tick also comes a second after the window is made, as the note's timer is on from the start
    m_noteTimer = new QTimer(this);
    m_noteTimer->setObjectName(QStringLiteral("Timer1"));
    m_noteTimer->setInterval(1000);
    connect(m_noteTimer, &QTimer::timeout, this, [this] {
        m_noteLine->hide();
        m_noteTimer->stop();
    });
    m_noteTimer->start();

    createKeyboards();
    createSideKeys();

    m_lineActionPanel->hide();
    fill(m_lineActionPanel);
    fill(m_optionsPanel);
    fill(m_recallPanel);
    m_curtain->setBackground(Palette::Background);
    m_curtain->hide();
    fill(m_curtain);
}

QTabWidget* TicketView::keyboardTabs() const
{
    return m_keyboardTabs;
}

QPushButton* TicketView::optionsValidateButton() const
{
    return m_optionsPanel->button();
}

CheckList* TicketView::optionsList() const
{
    return m_optionsPanel->list();
}

QPushButton* TicketView::recallSendButton() const
{
    return m_recallPanel->button();
}

CheckList* TicketView::recallList() const
{
    return m_recallPanel->list();
}

void TicketView::createKeyboards()
{
    m_keyboardTabs->tabBar()->setFont(Fonts::narrow(10));
    for (int keyboard = 1; keyboard <= Limits::Keyboards; ++keyboard) {
        auto* box = new QScrollArea;
        box->setObjectName(QStringLiteral("VertScrollBox%1").arg(keyboard));
        box->setFrameShape(QFrame::NoFrame);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // the keys' widget spans the page; the keys laid on it set its minimum height to scroll
        box->setWidgetResizable(true);
        auto* keys = new QWidget;
        keys->setObjectName(QStringLiteral("VertScrollBox%1Keys").arg(keyboard));
        box->setWidget(keys);
        enableTouchPanning(box);
        m_keyboardScrollBoxes.at(keyboard - 1) = box;

        auto* tab = new QWidget;
        tab->setObjectName(QStringLiteral("TabItem%1").arg(TabItemNumbers.at(keyboard - 1)));
        auto* layout = new QVBoxLayout(tab);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(box);
        m_keyboardTabs->addTab(tab, QString::number(keyboard));
    }
    place(m_keyboardTabs, QRectF(0, 249, 403, 402));
}

void TicketView::createSideKeys()
{
    for (int number = 1; number <= SideKeys; ++number) {
        const SideKey& design = SideKeyDesign.at(number - 1);
        auto* key = new RedKey(QLatin1String(design.name), QLatin1String(design.captionName),
                               QString::fromUtf8(design.caption));
        key->caption()->setFont(Fonts::plain(11));
        place(key, design.box);
        m_sideKeys.at(number - 1) = key;
    }
    sendAllAndLeaveKey()->setColour(Palette::ReturnKey);
    // the caption of "Changer serveur" keeps the platform's text colour
    setTextColour(changeWaiterKey()->caption(), QGuiApplication::palette().color(QPalette::WindowText));
}

void TicketView::showTicket(const QString& reply)
{
    m_ticketKept = false;
    m_ticketMemo->setPlainText(TicketText::fromReply(reply));
    m_ticketMemo->repaint();
}

QStringList TicketView::ticketLines() const
{
    return m_ticketMemo->toPlainText().split(QLatin1Char('\n'));
}

void TicketView::showNote(const QString& text)
{
    m_noteLine->setText(text);
    m_noteLine->show();
    m_noteLine->repaint();
    m_noteTimer->start();
}

void TicketView::hideNote()
{
    m_noteLine->hide();
    m_noteTimer->stop();
}

void TicketView::openLinePanel(const QString& line)
{
    m_lineActionPanel->lineLabel()->setText(line);
    m_lineActionPanel->raise();
    m_lineActionPanel->show();
}

void TicketView::closeLinePanel()
{
    m_lineActionPanel->hide();
}

void TicketView::openKitchenOptions(const QStringList& options)
{
    optionsList()->setEntries(options);
    m_optionsPanel->raise();
    m_optionsPanel->show();
}

QList<bool> TicketView::takeKitchenChoices()
{
    m_optionsPanel->hide();
    QList<bool> ticked = optionsList()->ticks();
    optionsList()->clearTicks();
    return ticked;
}

void TicketView::showCurtain()
{
    m_curtain->raise();
    m_curtain->show();
    m_curtain->repaint();
}

void TicketView::hideCurtain()
{
    m_curtain->hide();
}

void TicketView::openKitchenList(const QStringList& entries)
{
    CheckList* list = recallList();
    list->clear();
    for (const QString& entry : entries)
        list->addEntry(entry);
    m_recallPanel->raise();
    m_recallPanel->show();
}

QList<bool> TicketView::takeKitchenListTicks()
{
    QList<bool> ticks = recallList()->ticks();
    recallList()->clearTicks();
    return ticks;
}

void TicketView::closeKitchenList()
{
    m_recallPanel->hide();
}

void TicketView::openDispatchPanel(DesignView* panel)
{
    moveHere(panel);
    panel->raise();
    panel->show();
}

void TicketView::showFirstKeyboard()
{
    keyboardTabs()->setCurrentIndex(0);
}

void TicketView::showKeyboard(int keyboard)
{
    keyboardTabs()->setCurrentIndex(keyboard - 1);
}

void TicketView::closeKitchenOptionPanel()
{
    m_optionsPanel->hide();
}

void TicketView::setMemoFontSize(int pixelSize)
{
    m_ticketMemo->setFont(Fonts::fixedBold(pixelSize));
}
