#include "mainwindow/MainFormOwnTexts.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMenuBar>
#include <QWidget>
#include <algorithm>

#include "foundation/AccessKeys.h"
#include "foundation/MlText.h"

namespace tidepost {

namespace {

struct OwnText {
    int id;
    const char* english;
};

constexpr OwnText kActivities[] = {
    {3620, "Idle"}, {3621, "Receiving"}, {3622, "Processing"}, {3623, "Message to mobile"}};

// Controls whose spoken name is not a caption they show.
struct SpokenName {
    const char* control;
    int id;
    const char* english;
};
constexpr SpokenName kSpokenNames[] = {
    {"DistressEditorButton", 3625, "Distress Editor"},
    {"ToFieldText", 3628, "To"},
    {"CCFieldText", 3629, "Cc"},
    {"BccFieldText", 3630, "Bcc"},
    {"SubjectFieldText", 3627, "Subject"},
    {"Editor", 3626, "Message text"},
    {"InboxMSGrid", 3631, "Inbox"},
    {"OutboxMSGrid", 3632, "Sent items"},
    {"EGCMSGrid", 3633, "EGC messages"},
    {"MessageGrid", 3634, "Info log"},
    {"oWebBrowser", 3635, "Electronic form"},
    {"TCUConnBar", 3636, "TCU connection"},
    {"Label12", 3637, "Progress"},
};

// Bars that speak the caption of the label beside them.
struct BarLabel {
    const char* bar;
    const char* label;
};
constexpr BarLabel kBarLabels[] = {{"AntenneBar", "Label15"}, {"GPSBar", "Label16"}, {"PCConnBar", "Label9"}};

// The buttons that get access keys, in the order they are served.
// The distress editor's caption has the fewest letters to choose from: it chooses first of the views.
constexpr const char* kKeyedButtons[] = {"ToButton",    "CCButton",     "BccButton", "SendButton",
                                         "DistressEditorButton", "EditorButton", "InboxButton",
                                         "OutboxButton", "EGCButton", "FormsButton", "OpenInBrowserButton"};

template <class T>
T* Named(QWidget& form, const char* name) {
    return form.findChild<T*>(QString::fromLatin1(name));
}

double TwipsPerPixel(const QWidget& form) {
    const int dpi = form.logicalDpiX();
    return dpi > 0 ? 1440.0 / dpi : 15.0;
}

// The indicator rows: the captions take the width the widest of them needs in this language, and
// the bars, the frame and the activity word beside it move right by what that adds.
void LayOutIndicatorRows(QWidget& form) {
    const double tx = TwipsPerPixel(form);
    const auto px = [tx](int twips) { return qRound(twips / tx); };
    const QList<QLabel*> labels{Named<QLabel>(form, "Label15"), Named<QLabel>(form, "Label16"),
                                Named<QLabel>(form, "Label9")};
    auto* frame = Named<QWidget>(form, "Frame1");
    if (frame == nullptr || labels.contains(nullptr)) return;
    int widest = 0;
    for (const QLabel* label : labels) widest = std::max(widest, label->sizeHint().width());
    const IndicatorColumns columns = IndicatorRowsFor(widest, px(kIndicatorCaptionWidth));
    for (QLabel* label : labels) label->resize(columns.CaptionWidth, label->height());
    const struct {
        const char* bar;
        int left;
    } bars[] = {{"AntenneBar", 1455}, {"GPSBar", 1455}, {"TCUConnBar", 1455}, {"PCConnBar", 1875}};
    for (const auto& b : bars)
        if (auto* bar = Named<QWidget>(form, b.bar)) bar->move(px(b.left) + columns.Shift, bar->y());
    frame->resize(px(kIndicatorFrameWidth) + columns.Shift, frame->height());
    if (auto* activity = Named<QLabel>(form, "Label1")) activity->move(px(kActivityLeft) + columns.Shift, activity->y());
}

// The "Views:" column: as wide as its widest caption needs (never narrower than designed), its
// buttons as wide as their captions need, centred in it.
void LayOutViewButtons(QWidget& form) {
    auto* column = Named<QWidget>(form, "LogFrame");
    if (column == nullptr) return;
    const double tx = TwipsPerPixel(form);
    const int margin = qRound(kViewColumnMargin / tx);
    QList<QWidget*> buttons;
    int widest = 0;
    for (const char* name : {"EditorButton", "DistressEditorButton", "InboxButton", "OutboxButton", "EGCButton",
                             "FormsButton"})
        if (auto* button = Named<QWidget>(form, name)) {
            buttons.append(button);
            widest = std::max(widest, button->sizeHint().width());
        }
    column->resize(ViewColumnWidth(widest, qRound(kViewColumnWidth / tx), margin), column->height());
    for (QWidget* button : buttons) {
        const int width = ViewButtonWidth(button->sizeHint().width(), qRound(kViewButtonWidth / tx), column->width(),
                                          margin);
        button->setGeometry((column->width() - width) / 2, button->y(), width, button->height());
    }
}

}  // namespace

IndicatorColumns IndicatorRowsFor(int widestCaptionPx, int designCaptionPx) {
    const int needed = widestCaptionPx + 4;
    if (needed <= designCaptionPx) return {designCaptionPx, 0};
    return {needed, needed - designCaptionPx};
}

int ViewColumnWidth(int widestCaptionPx, int designPx, int marginPx) {
    return std::max(designPx, widestCaptionPx + 2 * marginPx);
}

int ViewButtonWidth(int captionPx, int designPx, int columnPx, int marginPx) {
    return std::min(std::max(captionPx, designPx), std::max(designPx, columnPx - 2 * marginPx));
}

void ApplyMainFormOwnTexts(QWidget& form, const Foundation& f) {
    if (auto* distress = Named<QAbstractButton>(form, "DistressEditorButton"))
        distress->setText(MlText(f, 3624, QStringLiteral("Distress")));
    for (const SpokenName& n : kSpokenNames)
        if (auto* w = Named<QWidget>(form, n.control)) w->setAccessibleName(MlText(f, n.id, QString::fromLatin1(n.english)));
    if (auto* activity = Named<QLabel>(form, "Label1"); activity && activity->property("Activity").isValid())
        activity->setText(ActivityText(f, activity->property("Activity").toString()));
    for (const BarLabel& b : kBarLabels) {
        auto* bar = Named<QWidget>(form, b.bar);
        const auto* label = Named<QLabel>(form, b.label);
        if (bar && label) bar->setAccessibleName(WithoutAccessKey(label->text()));
    }
    QList<QAbstractButton*> buttons;
    for (const char* name : kKeyedButtons)
        if (auto* button = Named<QAbstractButton>(form, name)) buttons.append(button);
    for (QMenuBar* bar : form.findChildren<QMenuBar*>())
        if (bar->window() == &form) AssignMenuAccessKeys(bar);
    AssignAccessKeys(&form, buttons);
    LayOutIndicatorRows(form);
    LayOutViewButtons(form);
}

QString ActivityText(const Foundation& f, const QString& english) {
    for (const OwnText& t : kActivities)
        if (english == QLatin1String(t.english)) return MlText(f, t.id, english);
    return english;
}

}  // namespace tidepost
