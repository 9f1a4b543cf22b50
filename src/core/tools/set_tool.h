#pragma once
/// The set tool: lists of numbers with flags, their intersection with tolerance, union and search,
/// and the set-list file (*.SGL) that keeps them.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "core/common/error.h"

namespace p3::core {

namespace set_messages {
inline constexpr std::string_view kNoSets = "集合列表中没有数据!";
inline constexpr std::string_view kNoneTakingPart = "请选择要交集的组合";
inline constexpr std::string_view kFileEmpty = "文件为空 或 数据格式不正确!";
inline constexpr std::string_view kNameEmpty = "请输入集合名称!";
inline constexpr std::string_view kNameTaken = "集合名称重复!";
inline constexpr std::string_view kTypedTooFew = "输入错误 输入的号码不够组成正确号码!";
inline constexpr std::string_view kFindBadNumber = "请正确输入要查询的号码!";
inline constexpr std::string_view kFindNoSets = "请限定交集数据!";
inline constexpr std::string_view kNothingToSave = "集合列表没有可保存的记录";
} // namespace set_messages

/// One set: its numbers as loaded (duplicates kept) and the flags of the columns 运算, 保留 and 容错.
struct NamedSet {
    std::string name;
    std::vector<std::string> numbers;
    bool takePart = true;
    bool keep = true;
    bool tolerate = false;
    bool operator==(const NamedSet&) const = default;
};

/// The flag columns a click flips.
enum class SetFlag { TakePart, Keep, Tolerate };

/// The miss count an intersection allows on tolerating sets, both ends included.
struct SetTolerance {
    int lowest = 0;
    int highest = 0;
};

/// Reads numbers from any text: the blank-separated pieces are gathered into three-character numbers
/// ("123 456", "1 2 3 4 5 6" and "12 3" all give whole numbers); characters are not checked.
std::vector<std::string> parseNumberListText(std::string_view text);

/// The result memo: k numbers a line, separated by one blank.
std::string formatSetResult(const std::vector<std::string>& numbers, int perLine);
/// The result caption: "共: (" + count + ")".
std::string setResultCaption(std::size_t count);
/// Every blank-separated piece of the memo that has exactly three characters, in order (for printing).
std::vector<std::string> printableNumbers(std::string_view memo);

/// The set list of the tool, in list order.
class SetList {
public:
    const std::vector<NamedSet>& sets() const { return m_sets; }
    bool empty() const { return m_sets.empty(); }

    /// Adds a set from a number text file, named after the file ("(1)", "(2)", … added when taken).
    [[nodiscard]] Result<std::string> addFromFile(const std::filesystem::path& file);
    /// Adds a set from typed numbers under the given name.
    [[nodiscard]] Status addTyped(std::string_view name, std::string_view text);
    /// Adds a set as it stands, its name made free as for a file.
    std::string add(NamedSet set);
    void remove(std::size_t index);
    void clear();
    void flip(std::size_t index, SetFlag flag);
    /// The name itself when free, else the first free of name(1), name(2), …. Amortised constant time:
    /// a list of many sets of one name loads in linear time.
    std::string freeName(std::string_view name) const;

    /// "交集": the numbers 000..999 that pass every taking-part set, misses on tolerating sets counted
    /// against the tolerance when one is given.
    [[nodiscard]] Result<std::vector<std::string>> intersect(std::optional<SetTolerance> tolerance) const;
    /// "并集": the numbers of the taking-part sets in order of first appearance.
    [[nodiscard]] Result<std::vector<std::string>> unite() const;
    /// The names of the taking-part sets that hold the number.
    [[nodiscard]] Result<std::vector<std::string>> find(std::string_view number) const;
    /// The four lines and the list the find memo shows, or the not-found message as an error.
    [[nodiscard]] Result<std::string> findText(std::string_view number) const;

    /// The set-list file text.
    std::string toSgl() const;
    /// Reads a set-list text: headers "{take,name,keep,tolerate}", each followed by its number lines.
    [[nodiscard]] static Result<SetList> fromSgl(std::string_view text);
    /// Saves to the path (".SGL" added when it holds no "." anywhere) and returns the path written.
    [[nodiscard]] Result<std::filesystem::path> save(const std::filesystem::path& chosen) const;
    /// Reads a set-list file; a file without any set (empty, or numbers with no header) is refused.
    [[nodiscard]] static Result<SetList> load(const std::filesystem::path& file);

private:
    void takeName(const std::string& name);

    std::vector<NamedSet> m_sets;
    std::unordered_set<std::string> m_names;
    /// Per base name, a k such that base(1) … base(k-1) are all taken: where the search for a free
    /// "base(k)" starts. Lowered again when such a name is freed.
    mutable std::unordered_map<std::string, std::size_t> m_firstFreeSuffix;
};

/// Saves the result memo as a text file; ".txt" is added unless the name already ends in it.
[[nodiscard]] Result<std::filesystem::path> saveSetResult(std::string_view memo,
                                                          const std::filesystem::path& chosen);

} // namespace p3::core
