#pragma once

#include "app/MainWindow.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

class ScriptedRegister;
class TicketView;

// A window on a settings folder of its own, its modal messages collected instead of shown.
struct TerminalFixture
{
    // settingsText, when not empty, is saved as the settings file before the window reads it. ownFolder, when not
    // empty, is a folder of the test's own to use instead of the temporary one.
    explicit TerminalFixture(const QString& settingsText = QString(), const QString& ownFolder = QString());
    ~TerminalFixture();
    TerminalFixture(const TerminalFixture&) = delete;
    TerminalFixture& operator=(const TerminalFixture&) = delete;

    // Shows and activates the window; true once its activation has run and "Utilisation en local" can be touched.
    bool activate();

    // A settings file that caches a whole catalogue, one waiter and no product, downloaded under stamp: a start on a
    // register of that stamp reads it and sends no catalogue request.
    static QString cachedCatalogue(const QString& stamp, const QString& address = QString());

    // Points the window's link at a register of the test's own.
    void linkTo(const ScriptedRegister& caisse);
    // The ticket view of table 12, 4 covers, waiter 2, as a waiter leaves the table choice for it.
    void openTicketOfTable12();

    QString settingsPath() const;
    void writeSettings(const QString& text) const;

    QTemporaryDir folder;
    QString folderPath; // the settings folder the window uses
    QStringList messages;
    std::function<void()> onMessage; // run after each message is collected
    std::unique_ptr<MainWindow> form;

    // The ticket view, made now when the flow has not made it yet.
    TicketView* ticketView() const;

    // A view or control of the window by its name, as automation finds it.
    template <typename T> T* find(const QString& name) const { return form->findChild<T*>(name); }
};
