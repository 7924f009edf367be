#include "ConfigScreen.h"

#include "ConfigView.h"
#include "StartView.h"
#include "link/RegisterLink.h"
#include "settings/SaveSettings.h"
#include "settings/SettingsSlots.h"
#include "settings/SettingsStore.h"
#include "widgets/Navigation.h"
#include "widgets/ToggleSwitch.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>

namespace {

const QString On = QStringLiteral("1");
const QString Off = QStringLiteral("0");

} // namespace

ConfigScreen::ConfigScreen(SettingsStore& settings, RegisterLink& link, ConfigView& configView, StartView& startView,
                           Navigation& screens)
    : m_settings(settings), m_link(link), m_configView(configView), m_startView(startView), m_screens(screens)
{
    // the address box and slot 0 are one: every change of the box, typed or set, is the slot's
    connect(m_startView.addressEdit(), &QLineEdit::textChanged, this,
            [this](const QString& text) { m_settings[SettingsSlots::Address] = text; });
    connect(m_configView.autoStartSwitch(), &ToggleSwitch::toggled, this,
            [this] { store(SettingsSlots::AutoStart, m_configView.autoStartSwitch(), false); });
    connect(m_configView.graphicPlanSwitch(), &ToggleSwitch::toggled, this,
            [this] { store(SettingsSlots::GraphicPlan, m_configView.graphicPlanSwitch(), false); });
    connect(m_configView.askCoversSwitch(), &ToggleSwitch::toggled, this,
            [this] { store(SettingsSlots::AskCovers, m_configView.askCoversSwitch(), false); });
    // on means single tap: slot 4 "0"; off means double tap: "1"
    connect(m_configView.doubleTapSwitch(), &ToggleSwitch::toggled, this,
            [this] { store(SettingsSlots::DoubleTap, m_configView.doubleTapSwitch(), true); });
    connect(m_configView.leaveWithoutSavingButton(), &QPushButton::clicked, this, &ConfigScreen::leaveWithoutSaving);
    connect(m_configView.saveButton(), &QPushButton::clicked, this, &ConfigScreen::saveAndLeave);
}

void ConfigScreen::readSettings()
{
    if (!m_settings.read())
        return;
    showSwitches();
    const QString address = m_settings[SettingsSlots::Address];
    if (!address.isEmpty()) {
        m_link.setHost(address);
        m_startView.setAddress(address);
    } else {
        m_link.setHost(m_startView.address());
    }
}

void ConfigScreen::open()
{
    readSettings();

    m_screens.openConfiguration();

    // the two buttons share the bottom tenth of the screen side by side (real arithmetic, rounded only to place)
    const double height = m_startView.height();
    const double width = m_startView.width();
    const double buttonHeight = height * ButtonHeightPercent / 100;
    const double buttonWidth = width * ButtonWidthPercent / 100;
    const double top = height - buttonHeight;
    m_configView.leaveWithoutSavingButton()->setGeometry(QRectF(0, top, buttonWidth, buttonHeight).toRect());
    m_configView.saveButton()->setGeometry(QRectF(buttonWidth, top, buttonWidth, buttonHeight).toRect());
}

void ConfigScreen::leaveWithoutSaving()
{
    m_screens.closeConfiguration();
}

void ConfigScreen::saveAndLeave()
{
    // a write failure has been shown: the configuration stays open
    if (!saveSettings(m_settings, &m_configView))
        return;
    m_screens.closeConfiguration();
}

void ConfigScreen::store(int slot, const ToggleSwitch* control, bool inverted)
{
    if (m_settingSwitches)
        return;
    m_settings[slot] = control->isChecked() != inverted ? On : Off;
}

void ConfigScreen::showSwitches()
{
    // the switch handlers stay out meanwhile, so the slots keep the values read (slot 4 "4" shows Switch4 on)
    const QScopedValueRollback<bool> setting(m_settingSwitches, true);
    m_configView.autoStartSwitch()->setChecked(m_settings[SettingsSlots::AutoStart] == On);
    m_configView.graphicPlanSwitch()->setChecked(m_settings[SettingsSlots::GraphicPlan] == On);
    m_configView.askCoversSwitch()->setChecked(m_settings[SettingsSlots::AskCovers] == On);
    m_configView.doubleTapSwitch()->setChecked(m_settings[SettingsSlots::DoubleTap] != On);
}
