#pragma once
// Margin presets ("marginesy.set"): per line "<" name ">" followed by
// left1,right1,top1,bottom1,left2,right2,top2,bottom2, whole millimetres from
// the sheet's top left corner (right and bottom are positions, not distances
// from the far edges).
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace krevol {

inline const QString kMarginPresetFileName = QStringLiteral("marginesy.set");

struct PageMargins
{
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
};

struct MarginPreset
{
    QString name;
    std::array<PageMargins, 2> pages;
};

class MarginPresetFile
{
public:
    explicit MarginPresetFile(QString path) : m_path(std::move(path)) {}

    // Reads the file; false (nothing reported) when it cannot be opened, see errorCode().
    bool read();
    int errorCode() const { return m_errorCode; }
    const QString &path() const { return m_path; }

    // The names of the lines that hold ">", in file order: the text between
    // the line's first character and its first ">".
    QStringList names() const;
    // The name to show: the first that equals `remembered`, else the first
    // name; "" when the file holds none.
    QString chooseName(const QString &remembered) const;
    // The eight values of the last line that contains "<" + name + ">", each
    // the text up to the next comma (the last one all that is left); nullopt
    // when no line does.
    std::optional<QStringList> valueTexts(const QString &name) const;
    // The same as numbers; nullopt also when a value is not a whole number.
    std::optional<MarginPreset> preset(const QString &name) const;

private:
    QString m_path;
    QStringList m_lines;
    int m_errorCode = 0;
};

} // namespace krevol
