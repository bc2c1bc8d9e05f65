#include "distress/GeneratorBoxValidator.h"

#include <QLineEdit>
#include <algorithm>

namespace tidepost {

namespace {
qsizetype CountForeign(const QString& text, const QString& allowed) {
    return std::count_if(text.begin(), text.end(), [&allowed](QChar c) { return !allowed.contains(c); });
}
}  // namespace

GeneratorBoxValidator::GeneratorBoxValidator(QLineEdit* box, QString allowed, int maxLength, bool capitals)
    : QValidator(box), m_box(box), m_allowed(std::move(allowed)), m_maxLength(maxLength), m_capitals(capitals) {
    QObject::connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { m_last = text; });
}

bool GeneratorBoxValidator::Refuses(const QString& before, const QString& after, const QString& allowed,
                                    int maxLength) {
    if (CountForeign(after, allowed) > CountForeign(before, allowed)) return true;
    return maxLength >= 0 && after.size() > maxLength && after.size() > before.size();
}

QValidator::State GeneratorBoxValidator::validate(QString& input, int&) const {
    if (m_capitals) input = input.toUpper();
    return Refuses(m_last, input, m_allowed, m_maxLength) ? Invalid : Acceptable;
}

void GeneratorBoxValidator::Load(const QString& text) {
    // Taken as the text before the change, so the check lets it stand whole.
    m_last = m_capitals ? text.toUpper() : text;
    m_box->setText(text);
    m_last = m_box->text();
}

}  // namespace tidepost
