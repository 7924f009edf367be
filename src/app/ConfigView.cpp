#include "ConfigView.h"

#include "StartView.h"
#include "widgets/ColouredLabel.h"
#include "widgets/Fonts.h"
#include "widgets/Palette.h"
#include "widgets/ToggleSwitch.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

const QString ConfigView::ContactAddress = QStringLiteral("contact@commande-salle.fr");

namespace {

QLabel* label(const QString& name, const QString& caption, const QFont& font, Qt::Alignment alignment, bool wrapped)
{
    auto* l = new QLabel(caption);
    l->setObjectName(name);
    l->setFont(font);
    l->setAlignment(alignment);
    l->setWordWrap(wrapped);
    setTextColour(l, Palette::Caption);
    return l;
}

// The caption beside a switch, which also names the switch to a screen reader.
QLabel* switchCaption(const QString& name, const QString& caption, int size, QWidget* toggle)
{
    toggle->setAccessibleName(caption);
    return label(name, caption, Fonts::plain(size, true, true), Qt::AlignCenter, true);
}

// A platform button whose caption wraps onto two lines when the button is too narrow for it.
class WrapButton final : public QPushButton
{
public:
    explicit WrapButton(const QString& caption) : QPushButton(caption) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this);
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        painter.drawText(rect().adjusted(margin, 0, -margin, 0), Qt::AlignCenter | Qt::TextWordWrap, text());
    }
};

QPushButton* bottomButton(const QString& name, const QString& caption)
{
    auto* button = new WrapButton(caption);
    button->setObjectName(name);
    button->setFont(Fonts::plain(11));
    Look::darkButton(button);
    return button;
}

} // namespace

ConfigView::ConfigView(QWidget* parent) : DesignView(QStringLiteral("config"), QSizeF(366, 603), parent)
{
    setBackground(Palette::Background);

    auto* panel3 = new DesignView(QStringLiteral("Panel3"), designSize());
    panel3->setBackground(Palette::Background);
    fill(panel3);

    QLabel* label19 =
        label(QStringLiteral("Label19"),
              QStringLiteral("Cet application permet de piloter à distance (à la table du client ou en second "
                             "poste d'encaissement). Téléchargez sur le site internet Quillobrand le logiciel "
                             "d'encaissement compatible avec cette application. Le logiciel Quillobrand Premium "
                             "est compatible tous ordinateurs et toutes versions de Windows."),
              Fonts::plain(10), Qt::AlignCenter, true);
    dockTop(label19, 97);
    QLabel* label70 =
        label(QStringLiteral("Label70"), QStringLiteral("Vous pouvez nous contacter par mail à ") + ContactAddress,
              Fonts::plain(11), Qt::AlignCenter, true);
    dockTop(label70, 41);

    m_titleLabel = label(QStringLiteral("Label3"), QStringLiteral("Réglage des paramètres"), Fonts::title(TitleSize),
                         Qt::AlignCenter, false);
    place(m_titleLabel, QRectF(0, 167.4, 366, 33.9));

    // "Non" and "Oui" over the off and on ends of the first switch
    place(label(QStringLiteral("Label8"), QStringLiteral("Non"), Fonts::plain(9), Qt::AlignLeft | Qt::AlignVCenter,
                false),
          QRectF(10, 201, 31, 29));
    place(label(QStringLiteral("Label7"), QStringLiteral("Oui"), Fonts::plain(8), Qt::AlignLeft | Qt::AlignVCenter,
                false),
          QRectF(35, 208, 51, 17));

    m_autoStartSwitch = new ToggleSwitch(QStringLiteral("Switch1"));
    place(m_autoStartSwitch, QRectF(6, 221, 44, 26));
    place(switchCaption(QStringLiteral("Label4"),
                        QStringLiteral("Lancer automatiquement l'application en local avec la dernière adresse "
                                       "valide"),
                        11, m_autoStartSwitch),
          QRectF(64, 196, 272, 80));

    m_graphicPlanSwitch = new ToggleSwitch(QStringLiteral("Switch2"));
    place(m_graphicPlanSwitch, QRectF(6, 274, 44, 26));
    place(switchCaption(QStringLiteral("Label5"), QStringLiteral("Utiliser un plan de salle graphique"), 12,
                        m_graphicPlanSwitch),
          QRectF(61, 251, 303, 71));

    m_askCoversSwitch = new ToggleSwitch(QStringLiteral("Switch3"));
    place(m_askCoversSwitch, QRectF(6, 328, 44, 26));
    place(switchCaption(QStringLiteral("Label9"), QStringLiteral("Demander le nombre de couverts"), 12,
                        m_askCoversSwitch),
          QRectF(60, 306, 303, 71));

    m_doubleTapSwitch = new ToggleSwitch(QStringLiteral("Switch4"));
    place(m_doubleTapSwitch, QRectF(6, 376, 44, 26));
    place(switchCaption(QStringLiteral("Label72"), QStringLiteral("Ajout article sur double click"), 12,
                        m_doubleTapSwitch),
          QRectF(55, 354, 303, 71));

    QLabel* emailLabel = label(QStringLiteral("Label6"), QStringLiteral("adresse email de l'utilisateur"),
                               Fonts::plain(14), Qt::AlignCenter, false);
    place(emailLabel, QRectF(50.3, 420.4, 238.9, 24));

    // the user's address: typed, never used nor saved
    m_emailEdit = new PromptEdit(QString());
    m_emailEdit->setObjectName(QStringLiteral("Edit2"));
    m_emailEdit->setAccessibleName(emailLabel->text());
    m_emailEdit->setFont(Fonts::plain(16));
    m_emailEdit->setInputMethodHints(Qt::ImhEmailCharactersOnly | Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase);
    place(m_emailEdit, QRectF(57.6, 447.5, 214.6, 32));

    // placed by the opening of the view; until then they sit in the bottom tenth as the opening will put them
    m_leaveWithoutSavingButton =
        bottomButton(QStringLiteral("Button12"), QStringLiteral("Quitter sans sauvegarder la configuration"));
    m_saveButton = bottomButton(QStringLiteral("Button13"), QStringLiteral("Sauvegarder la configuration"));
    for (QPushButton* button : {m_leaveWithoutSavingButton, m_saveButton})
        button->setParent(this);
    m_leaveWithoutSavingButton->setGeometry(0, 543, 183, 60);
    m_saveButton->setGeometry(183, 543, 183, 60);
}
