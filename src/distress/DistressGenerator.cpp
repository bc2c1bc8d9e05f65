#include "distress/DistressGenerator.h"

#include "distress/Distress.h"
#include "distress/DistressSetCommands.h"
#include "foundation/Definitions.h"
#include "foundation/Foundation.h"
#include "foundation/LesLists.h"
#include "foundation/MlText.h"
#include "foundation/UsefullRoutines.h"
#include "link/CommandQueue.h"
#include "link/ILinkWindow.h"
#include "link/Link.h"

namespace tidepost {

namespace {

constexpr int kPiracy = 10;

bool HasAlertLesPerOcean(const Foundation& f) {
    const int type = f.gSession.ProductType();
    return type == 5 || type == 4;
}

void ShowBusyWindow(Link& link) {
    if (link.Windows.Window != nullptr) link.Windows.Window->ShowWaitForm();
}

QString AutoLesEntry(const Foundation& f) { return MlText(f, 2211, "LES automatically selected by mobile"); }

// The nature option of a stored letter; an unknown letter gives the first.
int NatureIndex(const QString& letter) {
    for (int i = 0; i < int(kDistressNatures.size()); ++i)
        if (letter == QChar(QLatin1Char(kDistressNatures[i].letter))) return i;
    return 0;
}

GeneratorLesList LoadLesList(Foundation& f, int ocean, bool shown) {
    GeneratorLesList list;
    list.visible = shown;
    list.enabled = shown;
    list.entries.append(AutoLesEntry(f));
    if (!shown) return list;
    list.selected = 0;
    const QString available = f.gConfiguration.AvailableLESs(OceanIndex(ocean));
    const QStringList ids = available.isEmpty() ? QStringList() : available.split(',');
    const QStringList names = GetLesNames(f, ids, ocean);
    const int chosen = f.gConfiguration.GetDistressGenLes(OceanIndex(ocean));
    for (qsizetype i = 0; i < ids.size(); ++i) {
        const QString id = ids[i];
        if (!IsAllDigits(id) || !IsValidLesId(id.toInt())) continue;
        list.entries.append(id + ", " + names.value(i));
        if (id.toInt() == chosen) list.selected = int(list.entries.size()) - 1;
    }
    return list;
}

}  // namespace

GeneratorDialogLoad LoadGeneratorDialog(Foundation& f, const DistressGeneratorValues& values) {
    GeneratorDialogLoad load;
    const bool piracyOnly = f.gSession.MobileType() == 5;
    for (int i = 0; i < int(load.natureEnabled.size()); ++i) load.natureEnabled[i] = !piracyOnly || i == kPiracy;
    const bool perOcean = HasAlertLesPerOcean(f);
    load.gpsVisible = perOcean;
    load.gpsChecked = perOcean;
    const OceanIndex current = f.gConfiguration.LastOcean();
    for (int ocean = 0; ocean < kOceanCount; ++ocean)
        load.lists[ocean] = LoadLesList(f, ocean, perOcean || ocean == current);
    load.nature = NatureIndex(values.Nature);
    load.boxes = values;
    return load;
}

GeneratorOkPlan PlanGeneratorOk(Foundation& f, const GeneratorDialogInput& input) {
    using Step = GeneratorOkPlan::Step;
    GeneratorOkPlan plan;
    const OceanIndex ocean = f.gConfiguration.LastOcean();
    const bool perOcean = HasAlertLesPerOcean(f);
    if (!input.useGps) {
        plan.refusal = ValidatePosition(f, input.boxes);
        if (plan.refusal) {
            plan.step = Step::Refused;
            return plan;
        }
        if (!f.gSession.MesConnected()) {
            plan.step = Step::LinkDown;
            plan.commands = {QStringLiteral("se -g")};
            return plan;
        }
    }
    if (ocean >= kOceanCount) {
        plan.step = Step::NoOcean;
        return plan;
    }
    const GeneratorLesChoice les = GeneratorLesId(input.lesEntries[ocean], f.gSession.ProductType());
    if (les.clearsOceanLes) plan.clearOceanLes[ocean] = true;
    const int nature = input.nature >= 0 && input.nature < int(kDistressNatures.size()) ? input.nature : 0;
    const QChar letter = QLatin1Char(kDistressNatures[nature].letter);
    plan.commands.append(DistressGeneratorSetCommand(les.id, letter, input.useGps, input.boxes));
    plan.showBusy = !input.useGps;
    if (perOcean) {
        std::array<QString, 4> ids;
        for (int i = 0; i < kOceanCount; ++i) {
            const AlertLesChoice choice = AlertLesId(input.lesEntries[i]);
            ids[i] = choice.id;
            if (choice.clearsOceanLes) plan.clearOceanLes[i] = true;
        }
        plan.commands.append(AlertLesSetCommand(ids));
        plan.commands.append(QStringLiteral("se -m ALL_OCEANS"));
    }
    plan.commands.append(QStringLiteral("se -g"));
    return plan;
}

void CarryOutGeneratorPlan(Distress& d, const GeneratorOkPlan& plan) {
    for (int ocean = 0; ocean < kOceanCount; ++ocean)
        if (plan.clearOceanLes[ocean]) d.F.gConfiguration.SetDistressGenLes(OceanIndex(ocean), 0);
    if (plan.showBusy) ShowBusyWindow(d.L);
    for (const QString& command : plan.commands) QueueCommand(d.L, command, true, false);
}

bool DistressGeneratorMenuReads(Distress& d) {
    const int type = d.F.gSession.MobileType();
    if (type != 1 && type != 4) return false;
    ShowBusyWindow(d.L);
    // Both lines end in the queue's own line end: the echo's line end is not known before the
    // first status reply, and without one the unit would read a single command.
    QueueCommand(d.L, "se -m " + kCrLf + "st -n" + kCrLf, true, true);
    return true;
}

bool DistressInfoReads(Distress& d) {
    if (!d.F.gSession.MesConnected()) return false;
    QString reads = "st -i" + kCrLf;
    if (HasAlertLesPerOcean(d.F)) reads += "se -m ALL_OCEANS" + kCrLf;
    reads += "st -n" + kCrLf + kCrLf + "se -g" + kCrLf;
    QueueCommand(d.L, reads, true, false);
    d.ShowDistressGeneratorOnReply = true;
    ShowBusyWindow(d.L);
    return true;
}

LmAlertLists LoadLmAlertLists(Foundation& f) {
    LmAlertLists lists;
    for (int i = 0; i < 10; ++i)
        lists.natures.append(MlText(f, kDistressNatures[i].landMobileId, kDistressNatures[i].landMobile));
    for (int ocean = 0; ocean < kOceanCount; ++ocean) {
        QStringList& entries = lists.lesLists[ocean];
        entries.append(MlText(f, 2870, "000, None"));
        for (const KeyValuePair& line : ReadDefaultLesFile(f, ocean)) entries.append(line.Key + ", " + line.Value);
    }
    return lists;
}

bool LmAlertSettingsReads(Distress& d) {
    if (!d.F.gSession.MesConnected()) return false;
    ShowBusyWindow(d.L);
    d.ShowLmAlertSettingsOnReply = true;
    QueueCommand(d.L, QStringLiteral("se -m "), true, false);
    if (HasAlertLesPerOcean(d.F)) QueueCommand(d.L, QStringLiteral("se -m ALL_OCEANS"), true, false);
    return true;
}

LmAlertOkPlan PlanLmAlertOk(Foundation& f, const std::array<QString, 4>& lesTexts, const QString& natureText) {
    LmAlertOkPlan plan;
    std::array<QString, 4> ids;
    for (int i = 0; i < kOceanCount; ++i) {
        ids[i] = lesTexts[i].left(3);
        // Whatever else stands there would go to the unit as part of the command.
        if (ids[i].size() != 3 || !IsAllDigits(ids[i])) {
            plan.refused = true;
            return plan;
        }
    }
    plan.commands.append(AlertLesSetCommand(ids) + kCrLf);
    for (int i = 0; i < 10; ++i) {
        const DistressNature& nature = kDistressNatures[i];
        if (natureText == QLatin1String(nature.landMobile) ||
            natureText == MlText(f, nature.landMobileId, nature.landMobile)) {
            plan.commands.append(LandMobileNatureSetCommand(ids, QLatin1Char(nature.letter)) + kCrLf);
            break;
        }
    }
    return plan;
}

}  // namespace tidepost
