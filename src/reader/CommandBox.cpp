#include "reader/CommandBox.h"

#include "reader/ReaderSettings.h"
#include "scripture/ReferenceText.h"
#include "store/Store.h"

#include <QMap>
#include <cmath>

namespace reader {

const std::array<QString, 9>& AdviceVerses() {
    static const std::array<QString, 9> verses{
        QStringLiteral("Matius#5:44-45"),  QStringLiteral("Markus#12:30-31"),
        QStringLiteral("Lukas#6:35"),      QStringLiteral("Galatia#5:14"),
        QStringLiteral("Kolose#3:8"),      QStringLiteral("II Tesalonika#2:13"),
        QStringLiteral("Yakobus#2:8-9"),   QStringLiteral("I Petrus#1:3"),
        QStringLiteral("I Korintus#13:13")};
    return verses;
}

bool IsCommandText(const QString& text) {
    return text.startsWith(QStringLiteral("\\\\"));
}

std::optional<QString> CommandWord(const QString& findText) {
    const QString text = QString(findText).replace(u'\'', QStringLiteral("''"));
    if (text.size() <= 2 || !IsCommandText(text))
        return std::nullopt;
    return text.mid(2).trimmed().toUpper();
}

CommandBox::CommandBox(ReaderSettings& settings, const store::Store* store, QString dataFolder,
                       CommandActions actions)
    : settings_(settings), store_(store), dataFolder_(std::move(dataFolder)),
      actions_(std::move(actions)) {}

void CommandBox::RunCommand(const QString& word) {
    const QMap<QString, std::function<void()>> commands{
        {QStringLiteral("WHO"), [this] { actions_.inform(WhoText()); }},
        {QStringLiteral("QUIT"), [this] { actions_.quit(); }},
        {QStringLiteral("HISTORY"), [this] { actions_.inform(HistoryText()); }},
        {QStringLiteral("DEDICATED"), [this] { actions_.inform(DedicatedText()); }},
        {QStringLiteral("DATA"),
         [this] {
             actions_.inform(QStringLiteral("Data yang sedang digunakan : ") + dataFolder_);
         }},
        {QStringLiteral("VRDBCUSTHIST"), [this] { actions_.inform(infoText(100)); }},
        {QStringLiteral("EMAIL"), [this] { actions_.inform(EmailText()); }},
        {QStringLiteral("WWW"), [this] { actions_.inform(WwwText()); }},
        {QStringLiteral("RESETLOCATION"), [this] { settings_.resetLocation(); }},
        {QStringLiteral("ADVICE"), [this] { advice(); }},
    };
    if (const auto command = commands.find(word); command != commands.end())
        command.value()();
}

QString CommandBox::infoText(qint16 id) const {
    return store_ ? store_->GetInfoText(id) : QString();
}

void CommandBox::advice() {
    const auto& verses = AdviceVerses();
    // The whole part of random × 9, kept inside the list even for a random number of 1.
    const int index = qBound(0, int(std::floor(actions_.random() * 9)), int(verses.size()) - 1);
    const QString& ref = verses[std::size_t(index)];
    const auto lines = store_ ? scripture::ShowReferenceText(ref, *store_) : std::nullopt;
    actions_.showAdvice(ref, lines.value_or(QString()));
}

} // namespace reader
