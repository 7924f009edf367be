#pragma once

#include "widgets/ViewSlot.h"

#include <QObject>

class ConfigView;
class Navigation;
class RegisterLink;
class SettingsStore;
class StartView;
class ToggleSwitch;

// The settings as the start and configuration views show them: the address box, which is slot 0, and the four
// switches; opening the configuration from the start view, leaving it with or without saving.
class ConfigScreen final : public QObject
{
public:
    // The bottom buttons' share of the start view's height and width, in percent.
    static constexpr double ButtonHeightPercent = 10;
    static constexpr double ButtonWidthPercent = 50;

    ConfigScreen(SettingsStore& settings, RegisterLink& link, ViewSlot<ConfigView>& configView, StartView& startView,
                 Navigation& screens);

    // Reads the settings file and shows its address and switches; an unreadable file changes nothing.
    void readSettings();
    // "Configuration" on the start view: every slot takes its saved value, unsaved changes are lost.
    void open();
    // "Quitter sans sauvegarder la configuration": the switch changes stay in memory until the next read.
    void leaveWithoutSaving();
    // "Sauvegarder la configuration".
    void saveAndLeave();

private:
    void connectSwitches(ConfigView& view);
    void store(int slot, const ToggleSwitch* control, bool inverted);
    void showSwitches(ConfigView& view);

    SettingsStore& m_settings;
    RegisterLink& m_link;
    ViewSlot<ConfigView>& m_configView;
    StartView& m_startView;
    Navigation& m_screens;
    bool m_settingSwitches = false;
    // the switches show the settings once a read succeeded; until then they keep their designed states
    bool m_settingsRead = false;
};
