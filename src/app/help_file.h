// Plotwise.hlp: help topics as HTML fragments, each after a line "<!-- topic N -->" (N its
// context number, or "contents"). Links between topics read "topic:N".
#pragma once

#include <QHash>
#include <QString>

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

  private:
    QHash<QString, QString> topics_;
};

}  // namespace plotwise
