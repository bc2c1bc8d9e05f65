#pragma once
#include <QList>
#include <QSet>
#include <QString>

class QAbstractButton;
class QMenuBar;
class QWidget;

namespace tidepost {

// The access-key letter of a caption (upper case), or a null QChar; "&&" is a plain ampersand.
QChar AccessKeyOf(const QString& caption);
// The caption without its access-key marker.
QString WithoutAccessKey(const QString& caption);
// The caption with an access key not in `taken`: the one it has when that is free, else the first
// free letter that begins a word, else any free letter; the letter joins `taken`. With no free
// letter the caption comes back without a key.
QString WithAccessKey(const QString& caption, QSet<QChar>& taken);

// Makes the access keys of the menu bar's shown titles unique: in menu order, a title keeps its key
// while no earlier title has it and else gets a free one. Hidden titles lose theirs (the bar would
// still claim them) until a later run finds them shown.
void AssignMenuAccessKeys(QMenuBar* bar);

// Gives the buttons, in the order given, access keys that clash with no other control of their
// window: the titles of its menu bar, its labels and its other buttons keep theirs. Run after
// every change of the captions (a language change puts back the table's texts).
void AssignAccessKeys(QWidget* window, const QList<QAbstractButton*>& buttons);

}  // namespace tidepost
