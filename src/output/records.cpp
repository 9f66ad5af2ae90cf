// The record file: one layout per kind of record, the 132-column cut and the
// numbered records.
#include "output/output.h"

#include "diag/diag.h"
#include "diag/strings.h"
#include "output/output_internal.h"

#include <algorithm>

namespace output {

namespace {

constexpr std::size_t kRecordWidth = 132;

struct RecordLayout {
    Record record;
    std::string_view layout;  // "%1" ... stand for the fields
};

constexpr RecordLayout kRecordLayouts[] = {
    {Record::Date, "H0 %1"},
    {Record::Target, "E7 %1"},
    {Record::ToolVersion, "E8 %1"},
    {Record::Languages, "E9 %1 %1"},
    {Record::ScriptBase, "E6  %1"},
    {Record::SourceBase, "E4  %1"},
    {Record::SourceVersion, "E5  %1"},
    {Record::ScriptFile, "E11 %1 %2"},
    {Record::Command, "C0 %1"},
    {Record::IncludedCode, "I%1 %2"},
    {Record::ServicePosition, "E17 %1 %2"},
    {Record::TestPosition, "E16 %1 %2"},
    {Record::ElementPosition, "E14 %1 %2"},
    {Record::Module, "E1 %1"},
    {Record::Version, "E2 %1"},
    {Record::HeaderFourth, "E10 %1"},
    {Record::HeaderText, "E0 %1"},
    {Record::Service, "O%1 %2"},
    {Record::Test, "T%1 %2"},
    {Record::Family, "F%1 %2"},
    {Record::Element, "B%1 %2"},
    {Record::Repetition, "R%1 %2"},
    {Record::Comment, "C%1 %2"},
    {Record::Requirement, "Q%1 %2"},
    {Record::DetachedComment, "X%1 %2"},
    {Record::Description, "V%1 %2"},
    {Record::VariablePosition, "E12 %1 %2"},
};
static_assert(std::size(kRecordLayouts) == static_cast<std::size_t>(Record::Count));

constexpr bool inRecordOrder() {
    for (std::size_t i = 0; i < std::size(kRecordLayouts); ++i)
        if (static_cast<std::size_t>(kRecordLayouts[i].record) != i) return false;
    return true;
}
static_assert(inRecordOrder(), "kRecordLayouts is indexed by Record");

// No line exceeds the width: continuation lines hold "&" and 131 characters.
// A record is one line, whatever the values in it hold.
void writeCut(std::string_view record) {
    auto& file = outputs().records;
    const std::string line = diag::singleLine(record);
    std::string_view text = line;
    file.writeLine(text.substr(0, kRecordWidth));
    text.remove_prefix(std::min(text.size(), kRecordWidth));
    while (!text.empty()) {
        const std::size_t piece = std::min(text.size(), kRecordWidth - 1);
        file.writeLine("&" + std::string(text.substr(0, piece)));
        text.remove_prefix(piece);
    }
}

}  // namespace

void writeRecord(Record record, std::initializer_list<std::string_view> fields) {
    if (generation().suppression[kVariableFlag]) return;
    const std::size_t index = static_cast<std::size_t>(record);
    if (index >= std::size(kRecordLayouts)) return;
    writeCut(fillPlaceholders(kRecordLayouts[index].layout, fields));
}

void writePositionRecord(Record record) {
    writeRecord(record, {std::to_string(generation().scriptFileNumber), std::to_string(diag::currentLine())});
}

void writeNumberedRecord(Record record, std::string_view text) {
    writeRecord(record, {std::to_string(takeStructureNumber()), text});
}

int writeDeclarationRecord(Record record, std::string_view text) {
    const int number = noEdit() ? generation().structureNumber : takeStructureNumber();
    writeRecord(record, {std::to_string(number), text});
    return number;
}

void setScriptFileNumber(int number) { generation().scriptFileNumber = number; }

}  // namespace output
