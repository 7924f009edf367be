#pragma once

#include "LoadedCatalogue.h"

#include <functional>
#include <optional>
#include <vector>

class RegisterLink;
class SettingsStore;

// Where the catalogue comes from: the register, piece by piece, when its data stamp changed, or else the settings
// slots the last download cached. Sends the requests in the register's order, each with its own failure rule.
class CatalogueSource final
{
public:
    // The points of a load a screen follows to show its progress.
    enum class Stage
    {
        Keyboard,        // keyboard `n` is read next (keyboard 1 after the supplements)
        KeyboardsRead,   // every keyboard's products are read
        PrintingOptions, // the printing options and the lists after them are read next
        LinkSettled,     // the kitchen lists are read and the link has settled: watching it may start
        Answered,        // a request the start cannot do without came back, answered or not
        TablePlanLost,   // the register was lost on the table plan
    };
    using Observer = std::function<void(Stage stage, int n)>;

    CatalogueSource(RegisterLink& link, const SettingsStore& settings, Observer observer = {});

    // The catalogue, read over `earlier`. A download stops where it stands when it is abandoned (the register was
    // lost on "nongletserveur", "enc$" or "tablepos$", or never answered "nongletserveur", which also stops the
    // requests at once) or fails (a failure of "limp", "rang1" to "rang7" or "aform1" to "aform10", LinkError, or a
    // number field that is not a number, FormatError): what it read before is kept over `earlier`, which holds the
    // rest. A download in which a request failed or got no reply at all is served but not complete.
    // When !reload the cache is read and nothing sent, unless it cannot serve (a slot missing from the file or cut
    // at the read limit, a number that is not a number, no waiter named): the catalogue is then downloaded again.
    LoadedCatalogue fetch(bool reload, const LoadedCatalogue& earlier = LoadedCatalogue());
    // Reads the cache now, showing nothing, so that the next fetch(false) has only its stages to show: the start does
    // it while the register prepares a reply. What it read serves only if the cache is still as it was then.
    void readCacheAhead();
    // The terminal ends: a download under way asks for nothing more and stops as ended.
    void end() { m_ending = true; }

private:
    class Run;
    // the cache's slots as read: a slot missing from the file is none
    using CacheTexts = std::vector<std::optional<QString>>;
    struct ReadAhead
    {
        CacheTexts texts;
        std::optional<LoadedCatalogue> loaded; // none for a cache not whole and valid
    };
    CacheTexts cacheTexts() const;

    RegisterLink& m_link;
    const SettingsStore& m_settings;
    Observer m_observer;
    std::optional<ReadAhead> m_readAhead;
    bool m_ending = false;
};
