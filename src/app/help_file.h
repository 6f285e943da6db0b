// Plotwise.hlp: help topics as HTML fragments, each after a line "<!-- topic N -->" (N its
// context number, or "contents"). Links between topics read "topic:N".
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace plotwise {

inline constexpr char kHelpFileName[] = "Plotwise.hlp";
inline constexpr char kContentsTopic[] = "contents";

class HelpFile {
  public:
    // False when the file cannot be read, is not a help file, or is unreasonably large.
    bool Load(const QString& path);
    void Parse(const QString& text);
    // The topic's HTML, or empty when the file has no such topic.
    QString Topic(const QString& key) const { return topics_.value(key); }
    bool Empty() const { return topics_.isEmpty(); }
    // The topic's heading, the text of its first <h2>; the key when it has none.
    QString Title(const QString& key) const;
    // The topics whose text holds every word of words (any case, tags left out), in the
    // file's order; none for no words.
    QStringList Find(const QString& words) const;

  private:
    QHash<QString, QString> topics_;
    QStringList order_;  // the keys as the file has them
};

}  // namespace plotwise
