// The record rows against what the condition windows offer: every value a record's grid or picker lets
// a user choose is a value name of the record's attribute row, in the row's order, so a value the filter
// computes is always one the user could tick (and a chart column of the same row means the same value).
// The option boxes are read from the rows themselves; their texts are checked by hand in the catalogue's
// tests.
#include <gtest/gtest.h>

#include "core/shrink/record_tests.h"

#include <string>
#include <vector>

using namespace p3::core;

namespace {

std::vector<std::string> offeredValues(const RecordSpec& record) {
    std::vector<std::string> values;
    switch (record.input) {
    case RecordInput::Options:
    case RecordInput::RadioPair:
        for (const auto& caption : record.options)
            values.push_back(OptionToken(caption));
        break;
    case RecordInput::ValueGrid:
        for (int v = 0; v <= record.gridMax; ++v)
            values.push_back(std::to_string(v));
        break;
    case RecordInput::PickerEdit:
    case RecordInput::CountList:
        for (int v = record.picker.low; v <= record.picker.high; ++v) {
            std::string text = std::to_string(v);
            if (record.picker.twoDigit && text.size() < 2) text.insert(0, "0");
            values.push_back(text);
        }
        break;
    default:
        break;
    }
    return values;
}

} // namespace

TEST(RecordRows, OfferedValuesAreTheAttributeVocabularyInOrder) {
    int compared = 0;
    for (const KindSpec& kind : conditionCatalogue()) {
        for (const RecordSpec& record : kind.records) {
            const RecordTest& row = record.test;
            // 组选类型 offers a tree of groups; the word list pickers offer a subset of the pairs.
            if (record.input == RecordInput::GroupType || !record.picker.words.empty()) continue;
            const auto offered = offeredValues(record);
            if (offered.empty()) continue;
            if (row.engine != RecordEngine::Attribute && row.engine != RecordEngine::CountList) continue;
            SCOPED_TRACE(kind.keyword + " " + record.name);
            const AttributeId id = row.attributes[0];
            const PatternFamily& family = referenceFamily(kind.kind);
            std::vector<std::string> vocabulary;
            for (std::size_t i = 0; i < attributeRow(id).vocabulary.size(); ++i)
                vocabulary.push_back(attributeWord(id, static_cast<int>(i), family));
            EXPECT_EQ(offered, vocabulary);
            ++compared;
        }
    }
    EXPECT_GE(compared, 60);
}

TEST(RecordRows, EveryRecordOfTheCatalogueHasARowThatReadsSomething) {
    for (const KindSpec& kind : conditionCatalogue())
        for (const RecordSpec& record : kind.records) {
            SCOPED_TRACE(kind.keyword + " " + record.name);
            const RecordTest& row = record.test;
            EXPECT_NE(row.engine, RecordEngine::None);
            EXPECT_EQ(record.test.readsReference(), kind.reference != ReferenceUse::None &&
                                                        row.engine == RecordEngine::Attribute &&
                                                        attributeRow(row.attributes[0]).readsReference);
        }
}
