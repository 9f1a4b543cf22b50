#pragma once
/// Random condition lines of every kind drawn from the catalogue's vocabularies, with the odd unknown
/// record name and hand-edited oddity, for comparing the compiled filter with the plain walk.
#include <random>
#include <string>

#include "core/catalogue/condition_catalogue.h"
#include "core/catalogue/condition_line.h"

namespace p3::test {

class RandomLines {
public:
    /// clean: only lines the program understands (no unknown record names, no hand edits).
    explicit RandomLines(unsigned seed, bool clean = false) : m_rng(seed), m_clean(clean) {}

    int below(int n) { return static_cast<int>(m_rng() % static_cast<unsigned>(n)); }
    bool chance(int percent) { return below(100) < percent; }
    std::string flag(int percentOne = 50) { return chance(percentOne) ? "1" : "0"; }

    std::string digitSet() {
        std::string s;
        for (char c = '0'; c <= '9'; ++c)
            if (chance(35)) s += c;
        return s;
    }

    std::string countSet() {
        std::string s;
        for (char c = '0'; c <= '3'; ++c)
            if (chance(45)) s += std::string(1, c) + " ";
        return s;
    }

    std::string integers(int low, int high, bool twoDigit) {
        std::string out;
        for (int v = low; v <= high; ++v) {
            if (!chance(30)) continue;
            std::string t = std::to_string(v);
            if (twoDigit && v < 10) t = "0" + t;
            out += t + " ";
        }
        return out.empty() ? std::to_string(low) : out;
    }

    std::string tokens(const core::RecordSpec& spec) {
        std::string out;
        for (const auto& caption : spec.options)
            if (chance(35)) out += core::OptionToken(caption) + " ";
        return out.empty() ? core::OptionToken(spec.options.front()) : out;
    }

    std::string value(const core::RecordSpec& spec) {
        using In = core::RecordInput;
        switch (spec.input) {
        case In::Options:
            return tokens(spec);
        case In::RadioPair:
            return core::OptionToken(spec.options[static_cast<std::size_t>(below(2))]);
        case In::ValueGrid:
            return integers(0, spec.gridMax, false);
        case In::PickerEdit:
            if (!spec.picker.words.empty()) {
                std::string out;
                std::string words = spec.picker.words + " ";
                for (std::size_t p = 0; p + 2 < words.size(); p += 3)
                    if (chance(10)) out += words.substr(p, 3);
                return out.empty() ? words.substr(0, 2) : out;
            }
            return integers(spec.picker.low, spec.picker.high, spec.picker.twoDigit);
        case In::CountList:
            return integers(spec.picker.low, spec.picker.high, false) + "^" + countSet() + "^" + flag();
        case In::GroupType: {
            std::string out;
            for (const char* w : {"豹子号", "组三_连", "组三_不连", "顺子", "半顺", "杂六"})
                if (chance(40)) out += std::string(w) + " ";
            return out.empty() ? "杂六" : out;
        }
        case In::PositionRows:
            return flag(80) + "^" + digitSet() + "/" + digitSet() + "/" + digitSet() + "^" + countSet();
        case In::GroupRows:
            return flag(80) + "^" + digitSet() + "^" + countSet() + "^" + flag();
        case In::PeriodSeries:
            return std::to_string(below(40)) + "^" + std::to_string(below(9));
        }
        return "?";
    }

    core::ConditionLine line(int kind) {
        const core::KindSpec& spec = *core::kindSpec(kind);
        core::ConditionLine l;
        l.use = flag(85);
        l.keyword = spec.keyword;
        l.keep = flag(60);
        l.tolerant = flag(40);
        int tolerant = 0;
        std::vector<core::Tj_temp_Record> records;
        const int count = core::isSingleRecordKind(kind) ? 1 : 1 + below(4);
        for (int i = 0; i < count; ++i) {
            const auto& r =
                spec.records[static_cast<std::size_t>(below(static_cast<int>(spec.records.size())))];
            core::Tj_temp_Record rec{r.name, value(r), flag(60), flag(40)};
            if (!m_clean && chance(3)) rec.name = "未知记录";
            tolerant += rec.tolerant == "1";
            records.push_back(rec);
        }
        std::string tolerance(core::kNoTolerance);
        if (!core::isSingleRecordKind(kind) && chance(50)) {
            const int b = below(3), e = below(4);
            tolerance = std::to_string(b) + "-" + std::to_string(e);
        }
        l.counts = std::to_string(count) + "|" + std::to_string(tolerant) + "|" + tolerance;
        std::optional<core::ReferenceElement> ref;
        if (core::hasReferenceElement(kind)) {
            ref = core::ReferenceElement{digitSet(), digitSet(), digitSet(), std::nullopt};
            if (chance(60)) ref->series = below(3);
        }
        l.content = core::buildContent(records, ref);
        if (kind == 25) l.content += "%0";
        if (chance(30) && !l.content.empty() && l.content.back() == '&') l.content.pop_back();
        if (!m_clean && chance(8)) mutate(l.content);
        return l;
    }

    /// A hand edit: a separator inserted or an ASCII character dropped somewhere.
    void mutate(std::string& content) {
        static const std::string separators = "&~^%/ -";
        if (content.empty()) return;
        std::size_t at = static_cast<std::size_t>(below(static_cast<int>(content.size())));
        if (chance(50)) {
            content.insert(at, 1,
                           separators[static_cast<std::size_t>(below(static_cast<int>(separators.size())))]);
        } else if (static_cast<unsigned char>(content[at]) < 0x80) {
            content.erase(at, 1);
        }
    }

private:
    std::mt19937 m_rng;
    bool m_clean = false;
};

} // namespace p3::test
