#pragma once
// The program's own pointer shapes, numbered as the cursor setting names them: the arrows and
// hands of the image library as cursors 10 to 15 (the "A" set) and 20 to 25 (the "B" set), and the
// system's pointing hand as cursor 30. While a card is carried the table shows the cursor ten
// numbers above the chosen one.
#include <QCursor>

#include <map>
#include <string>

namespace quillon {

class ResourceLibrary;

class ProgramCursors {
public:
    // Reads the twelve library cursors with their hot spots; a cursor the library lacks (or whose
    // picture cannot be read) is left out and falls back to the standard arrow.
    void Load(const ResourceLibrary& library);
    bool Has(int number) const { return cursors_.count(number) != 0; }
    // The cursor of a number; 10 and every number without a shape give the standard arrow.
    QCursor Cursor(int number) const;
    // The table's cursor for the setting text (two digits, "10" the standard arrow): the chosen
    // cursor, or while a card is carried the one ten numbers above it.
    QCursor ForSetting(const std::string& setting, bool carrying) const;

private:
    std::map<int, QCursor> cursors_;
};

} // namespace quillon
