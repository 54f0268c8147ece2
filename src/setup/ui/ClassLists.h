#pragma once

#include <QStringList>
#include <string>
#include <vector>

namespace bw {

// The class lines of the logic as the list widgets hold them, and back.
inline QStringList toQt(const std::vector<std::string>& lines)
{
    QStringList out;
    for (const std::string& l : lines) out << QString::fromStdString(l);
    return out;
}

inline std::vector<std::string> fromQt(const QStringList& lines)
{
    std::vector<std::string> out;
    for (const QString& l : lines) out.push_back(l.toStdString());
    return out;
}

} // namespace bw
