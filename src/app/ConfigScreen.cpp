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

ConfigScreen::ConfigScreen(SettingsStore& settings, RegisterLink& link, ViewSlot<ConfigView>& configView,
                           StartView& startView, Navigation& screens)
    : m_settings(settings), m_link(link), m_configView(configView), m_startView(startView), m_screens(screens)
{
    // the address box and slot 0 are one: every change of the box, typed or set, is the slot's
    connect(m_startView.addressEdit(), &QLineEdit::textChanged, this,
            [this](const QString& text) { m_settings[SettingsSlots::Address] = text; });
    m_configView.whenMade([this](ConfigView& view) {
        connectSwitches(view);
        if (m_settingsRead)
            showSwitches(view);
    });
}

void ConfigScreen::connectSwitches(ConfigView& view)
{
    connect(view.autoStartSwitch(), &ToggleSwitch::toggled, this,
            [this, &view] { store(SettingsSlots::AutoStart, view.autoStartSwitch(), false); });
    connect(view.graphicPlanSwitch(), &ToggleSwitch::toggled, this,
            [this, &view] { store(SettingsSlots::GraphicPlan, view.graphicPlanSwitch(), false); });
    connect(view.askCoversSwitch(), &ToggleSwitch::toggled, this,
            [this, &view] { store(SettingsSlots::AskCovers, view.askCoversSwitch(), false); });
    // on means single tap: slot 4 "0"; off means double tap: "1"
    connect(view.doubleTapSwitch(), &ToggleSwitch::toggled, this,
            [this, &view] { store(SettingsSlots::DoubleTap, view.doubleTapSwitch(), true); });
    connect(view.leaveWithoutSavingButton(), &QPushButton::clicked, this, &ConfigScreen::leaveWithoutSaving);
    connect(view.saveButton(), &QPushButton::clicked, this, &ConfigScreen::saveAndLeave);
}

void ConfigScreen::readSettings()
{
    if (!m_settings.read())
        return;
    m_settingsRead = true;
    if (ConfigView* view = m_configView.ifMade())
        showSwitches(*view);
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
    m_configView->leaveWithoutSavingButton()->setGeometry(QRectF(0, top, buttonWidth, buttonHeight).toRect());
    m_configView->saveButton()->setGeometry(QRectF(buttonWidth, top, buttonWidth, buttonHeight).toRect());
}

void ConfigScreen::leaveWithoutSaving()
{
    m_screens.closeConfiguration();
}

void ConfigScreen::saveAndLeave()
{
    // a write failure has been shown: the configuration stays open
    if (!saveSettings(m_settings, &m_configView.get()))
        return;
    m_screens.closeConfiguration();
}

void ConfigScreen::store(int slot, const ToggleSwitch* control, bool inverted)
{
    if (m_settingSwitches)
        return;
    m_settings[slot] = control->isChecked() != inverted ? On : Off;
}

void ConfigScreen::showSwitches(ConfigView& view)
{
    // the switch handlers stay out meanwhile, so the slots keep the values read (slot 4 "4" shows Switch4 on)
    const QScopedValueRollback<bool> setting(m_settingSwitches, true);
    view.autoStartSwitch()->setChecked(m_settings[SettingsSlots::AutoStart] == On);
    view.graphicPlanSwitch()->setChecked(m_settings[SettingsSlots::GraphicPlan] == On);
    view.askCoversSwitch()->setChecked(m_settings[SettingsSlots::AskCovers] == On);
    view.doubleTapSwitch()->setChecked(m_settings[SettingsSlots::DoubleTap] != On);
}
