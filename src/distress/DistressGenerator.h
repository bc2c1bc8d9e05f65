#pragma once
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "distress/DistressGeneratorReplies.h"
#include "distress/GeneratorFieldChecks.h"

namespace tidepost {

struct Distress;
struct Foundation;

// What the maritime generator dialog shows when it opens, worked out from the session, the
// configuration and the values last read, before any control exists.
struct GeneratorLesList {
    bool visible = false;  // hidden: the "chosen by the mobile" label stands in its place
    bool enabled = false;
    QStringList entries;   // the first is the "chosen by the mobile" entry
    int selected = -1;     // -1: a disabled list keeps no selection
};
struct GeneratorDialogLoad {
    std::array<bool, 11> natureEnabled{};
    bool gpsVisible = false;
    bool gpsChecked = false;
    std::array<GeneratorLesList, 4> lists;
    int nature = 0;
    DistressGeneratorValues boxes;
};
GeneratorDialogLoad LoadGeneratorDialog(Foundation& f, const DistressGeneratorValues& values);

// What the operator left in the dialog when OK is pressed.
struct GeneratorDialogInput {
    std::array<QString, 4> lesEntries;  // the current text of each ocean's list
    int nature = 0;                     // the index of the chosen nature
    bool useGps = false;
    DistressGeneratorValues boxes;
};

// What OK is to do with that input.
struct GeneratorOkPlan {
    enum class Step {
        NoOcean,     // "log in to an ocean region first"; the dialog stays
        Refused,     // a typed value failed its check; the dialog stays
        LinkDown,    // the settings cannot go out: tell the operator, re-read, close
        Send,        // queue the commands and close
    };
    Step step = Step::Send;
    std::optional<PositionRefusal> refusal;
    QStringList commands;
    bool showBusy = false;
    // Oceans whose configured alert LES becomes 0 because "0" goes out for them.
    std::array<bool, 4> clearOceanLes{};
};
GeneratorOkPlan PlanGeneratorOk(Foundation& f, const GeneratorDialogInput& input);
// Queues the plan's commands (duplicates allowed, at the end), clears the alert LES it names and
// shows the busy window when it says so.
void CarryOutGeneratorPlan(Distress& d, const GeneratorOkPlan& plan);

// The menu "Distress Alert setup...": land mobile and aero units read their land-mobile
// settings behind the busy window; every other unit gets the notice first. False when the notice
// is to be shown.
bool DistressGeneratorMenuReads(Distress& d);
// The notice's OK while the unit answers: the reads whose last reply opens the dialog. False when
// the link is down (the dialog then opens at once with the values last read).
bool DistressInfoReads(Distress& d);

// The land mobile alert settings: the lists the window offers, read when the menu opens it.
struct LmAlertLists {
    QStringList natures;                  // the ten land-mobile natures in the current language
    std::array<QStringList, 4> lesLists;  // "000, None", then every line of the ocean's LES file
};
LmAlertLists LoadLmAlertLists(Foundation& f);
// The menu's reads while the unit answers: sets the request that lets the reply open the window
// and queues them. False (nothing done) while the link is down.
bool LmAlertSettingsReads(Distress& d);

// The window's OK: the two set commands, each ending in its own line end; or the refusal of a LES
// text that does not start with three digits (nothing is then sent).
struct LmAlertOkPlan {
    bool refused = false;
    QStringList commands;
};
LmAlertOkPlan PlanLmAlertOk(Foundation& f, const std::array<QString, 4>& lesTexts, const QString& natureText);

}  // namespace tidepost
