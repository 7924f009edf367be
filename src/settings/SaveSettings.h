#pragma once

class QWidget;
class SettingsStore;

// Saves the settings; a write failure is shown to the waiter ("Impossible d'écrire dans " and the path) and stops
// whatever asked for the save.
bool saveSettings(SettingsStore& settings, QWidget* messageParent);
