#pragma once

#include "widgets/DesignView.h"
#include "widgets/ScaledFonts.h"

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
    static constexpr int TitleSize = 28;

    explicit ConfigView(QWidget* parent = nullptr);

    QLabel* Label3() const { return m_label3; }
    ToggleSwitch* Switch1() const { return m_switch1; }
    ToggleSwitch* Switch2() const { return m_switch2; }
    ToggleSwitch* Switch3() const { return m_switch3; }
    ToggleSwitch* Switch4() const { return m_switch4; }
    QLineEdit* Edit2() const { return m_edit2; }
    QPushButton* Button12() const { return m_button12; }
    QPushButton* Button13() const { return m_button13; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* m_label3;
    ToggleSwitch* m_switch1;
    ToggleSwitch* m_switch2;
    ToggleSwitch* m_switch3;
    ToggleSwitch* m_switch4;
    QLineEdit* m_edit2;
    QPushButton* m_button12;
    QPushButton* m_button13;
    ScaledFonts m_fonts;
};
