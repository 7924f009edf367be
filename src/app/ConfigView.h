#pragma once

#include "widgets/DesignView.h"

class QLabel;
class QLineEdit;
class QPushButton;
class ToggleSwitch;

// The configuration of the terminal: four switches, saved on demand. The two bottom buttons are placed
// at run time by the opening of the view (ConfigScreen::open), not by the design.
class ConfigView final : public DesignView
{
    Q_OBJECT

public:
    static const QString ContactAddress;
    // "Réglage des paramètres": the design's 36 is too large for its 33.9-high box; this size fits it
    static constexpr int TitleSize = 36;

    explicit ConfigView(QWidget* parent = nullptr);

    QLabel* titleLabel() const { return m_titleLabel; }
    ToggleSwitch* autoStartSwitch() const { return m_autoStartSwitch; }
    ToggleSwitch* graphicPlanSwitch() const { return m_graphicPlanSwitch; }
    ToggleSwitch* askCoversSwitch() const { return m_askCoversSwitch; }
    ToggleSwitch* doubleTapSwitch() const { return m_doubleTapSwitch; }
    QLineEdit* emailEdit() const { return m_emailEdit; }
    QPushButton* leaveWithoutSavingButton() const { return m_leaveWithoutSavingButton; }
    QPushButton* saveButton() const { return m_saveButton; }

private:
    QLabel* m_titleLabel;
    ToggleSwitch* m_autoStartSwitch;
    ToggleSwitch* m_graphicPlanSwitch;
    ToggleSwitch* m_askCoversSwitch;
    ToggleSwitch* m_doubleTapSwitch;
    QLineEdit* m_emailEdit;
    QPushButton* m_leaveWithoutSavingButton;
    QPushButton* m_saveButton;
};
