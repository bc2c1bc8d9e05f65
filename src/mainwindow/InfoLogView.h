#pragma once
#include <QDateTime>
#include <QIcon>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTreeWidget>
#include <functional>

namespace tidepost {

struct InfoLogEntry;

// The info-log view of the main window: the notifications of the info log as a four-column list
// (date, type, number, text), newest first when opened, re-sorted by a click on a column header,
// with a new entry put on top while the view is shown.
class InfoLogView {
public:
    // The columns in their order; cells are found by these keys in every language.
    static const QStringList Keys;
    // Notices that concern distress and rescue, always shown highlighted.
    static const QList<int> HighlightedInfoNumbers;

    explicit InfoLogView(QTreeWidget* grid);
    QTreeWidget* MessageGrid() const { return m_grid; }

    // Whether the info-log view is the one shown; nothing is added or set up otherwise.
    std::function<bool()> Shown;
    // A caption by its string id, in the current language.
    std::function<QString(int id, const QString& english)> Caption;

    void SetUpInfoLogGridColumns();
    // Fills the rows from the log's entries (newest first).
    void LoadInfoLogGrid(const QList<InfoLogEntry>& entries);
    void AddMessageGridInfoEntry(const QDateTime& oDate, quint8 InfoType, qint16 InfoNumber, const QString& InfoMessage);
    // LogType 4: a new row above the first, filled from an STX-separated line of four fields.
    void MessageGrid_AddLine(qint32 row, const QString& Linie, qint32 LogType);
    // Sorts by a column counted from 1, in the direction its tag asks, and turns the tag over.
    void MessageGrid_HeaderClick(qint32 column);
    // The tag of a column counted from 1: "DESC" when its next sort is descending.
    QString Tag(int column) const;
    void SetTag(int column, const QString& tag);
    // Whether a row's text and number call for it to stand out.
    static bool Highlighted(const QString& text, int number);

private:
    void FillRow(QTreeWidgetItem* item, const QString& date, const QString& type, const QString& number,
                 const QString& text, bool highlighted);

    QPointer<QTreeWidget> m_grid;
    QStringList m_tags;
    QIcon m_ascending;
    QIcon m_descending;
};

}  // namespace tidepost
