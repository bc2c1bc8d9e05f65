#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace tidepost {

struct Foundation;
class AnsiCodec;

// What the inbox and sent-items pages of the local forms server share: reading a store's index
// into a table, choosing and ordering the rows a page lists, the links of the rows, and one
// stored message as HTML, confined to its store's folder.

// An index as a page reads it: one row per line, `Columns` fields each (only those the page
// shows), viewing the index's text. A line too short to fill a row gives a row of empty fields.
struct IndexPageTable {
    int Columns = 0;
    QString Text;
    QList<QStringView> Cells;  // row by row

    int Rows() const { return Columns > 0 ? static_cast<int>(Cells.size() / Columns) : 0; }
    QStringView Cell(int column, int row) const { return Cells[qsizetype(row) * Columns + column]; }
    // A row of empty fields.
    void AddEmptyRow() { Cells.resize(Cells.size() + Columns); }
};

// The text of the index `name` in `folder`, decoded as ANSI text (FileLineViews cuts its lines).
// A missing index is created empty first. False with no text when the folder setting is empty
// (the index would land in the file system's root) or the index cannot be created or read; a
// failure is queued for the operator as "(<routine>) Error …", never shown at once, since the
// pages are made while the forms server answers a request.
bool ReadIndexText(Foundation& f, const QString& folder, const QString& name, const QString& routine, QString& text);

// Cuts the first `count` fields of `line` at `separator` into `fields`: the last of them ends at
// the next separator or the line's end. The number of fields the line holds, up to `count`.
int CutFields(QStringView line, char16_t separator, QStringView* fields, int count);

// The rows a page lists, in the order it lists them: all rows by the field `nameColumn` (the
// stored file name) descending, so the newest come first; the first `items` of them (none when
// `items` is below 1); these by the field `sortColumn`. Fields compare as texts, and equal fields
// end in the order SortArray2D gives them (SortRowsByText), without copying a field.
QList<int> PageRowOrder(const IndexPageTable& table, int nameColumn, int items, int sortColumn, bool ascending);

// A page written into one buffer that grows as needed: markup as it is, fields as text, file
// names as link IDs. `expected` characters are set aside at once.
class PageWriter {
public:
    explicit PageWriter(qsizetype expected);
    void Markup(QLatin1String markup) {
        char16_t* to = Room(markup.size());
        for (const char c : markup) *to++ = static_cast<unsigned char>(c);
        m_used = to - m_begin;
    }
    void Markup(QStringView markup);
    // A field as text, escaped as QString::toHtmlEscaped does: & < > and " as entities.
    void Text(QStringView text);
    // A file name as the ID of a page link: its ANSI bytes, those outside A-Z, a-z, 0-9, ".", "_"
    // and "-" written "%" and two hexadecimal digits, so no name can end the link or add to it;
    // the store's own names stay as they are.
    void LinkId(const AnsiCodec& codec, QStringView name);
    // A table cell holding a field as text.
    void Cell(QStringView text) {
        Markup(QLatin1String("<td>"));
        Text(text);
        Markup(QLatin1String("</td>"));
    }
    // A cell that links the stored file `name` to the page `request` ("REQUESTRXMSG", ...).
    void LinkCell(const AnsiCodec& codec, QLatin1String request, QStringView name);
    // The page written so far; the writer is empty afterwards.
    QString Take();

private:
    // Room for `n` more characters: where they go.
    char16_t* Room(qsizetype n) {
        if (m_used + n > m_page.size()) Grow(n);
        return m_begin + m_used;
    }
    void Grow(qsizetype n);
    QString m_page;            // its size is the room there is
    char16_t* m_begin = nullptr;  // m_page's characters
    qsizetype m_used = 0;
};

// One stored message of `folder` as HTML: `strFileName` comes in as the requested name and goes
// out as the folder's path joined with it; `strMessage` receives the text, escaped, with its line
// ends made "<br>". Only a plain name of a file in the folder is read (any letter case); for any
// other name, a missing file or an empty folder setting it receives the escaped text "'<path>'
// Does not exist!" CR LF "The file might have been manually deleted by operator.".
void GetStoredMessage(Foundation& f, const QString& folder, QString& strFileName, QString& strMessage);

}  // namespace tidepost
