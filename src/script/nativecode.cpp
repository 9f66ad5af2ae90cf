// The native-code collection: the lines handed to declaration analysis.
#include "script/script_internal.h"

#include <limits>
#include <utility>

namespace script {

void NativeCollection::appendLine(std::string_view code, const std::string& fileName,
                                  int lineNumber) {
    if (pieces_.empty() || lastIsText_ || pieces_.back().fileName != fileName ||
        lineNumber < nextLine_) {
        pieces_.push_back({{}, fileName, lineNumber});
        nextLine_ = lineNumber;
        lastIsText_ = false;
    }
    std::string& text = pieces_.back().text;
    if (lineNumber > nextLine_) text.append(static_cast<std::size_t>(lineNumber - nextLine_), '\n');
    text.append(code);
    text += '\n';
    nextLine_ = lineNumber + 1;
}

void NativeCollection::appendText(std::string text, const std::string& fileName, int lineNumber) {
    if (text.empty()) return;
    pieces_.push_back({std::move(text), fileName, lineNumber});
    nextLine_ = std::numeric_limits<int>::max();
    lastIsText_ = true;
}

std::vector<NativeCode> NativeCollection::take() {
    nextLine_ = 0;
    lastIsText_ = false;
    return std::exchange(pieces_, {});
}

NativeCollection& nativeCollection() {
    static NativeCollection collection;
    return collection;
}

std::vector<NativeCode> takeCollectedNativeCode() { return nativeCollection().take(); }

}  // namespace script
