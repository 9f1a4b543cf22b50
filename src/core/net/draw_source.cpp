#include "core/net/draw_source.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <map>

#include "core/common/utf8.h"
#include "core/io/settings.h"
#include "core/io/text_codec.h"
#include "core/net/http_client.h"

namespace p3::core {
namespace {

using Json = nlohmann::json;

constexpr std::string_view kBrowserAgent = "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 "
                                           "(KHTML, like Gecko) Chrome/120.0 Safari/537.36";

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

bool allDigits(std::string_view s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

std::vector<std::string_view> splitAt(std::string_view s, std::string_view separators) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && separators.find(s[i]) != std::string_view::npos)
            ++i;
        const std::size_t start = i;
        while (i < s.size() && separators.find(s[i]) == std::string_view::npos)
            ++i;
        if (i > start) out.push_back(s.substr(start, i - start));
    }
    return out;
}

/// The first characters of an answer, for a message about it.
std::string excerpt(std::string_view body) {
    std::string text = decodeText(body.substr(0, std::min<std::size_t>(body.size(), 120)));
    for (char& c : text)
        if (c == '\r' || c == '\n' || c == '\t') c = ' ';
    return quotedStart(text, 60);
}

bool looksLikeWebPage(std::string_view body) {
    std::size_t i = 0;
    while (i < body.size() && (isBlank(body[i]) || body[i] == '\n'))
        ++i;
    if (body.substr(i, 3) == "\xEF\xBB\xBF") i += 3;
    return i < body.size() && body[i] == '<';
}

/// Digits given one per piece ("9,8,2", "2 8 6") or all in one piece ("982"); the problem if not.
std::string digitsOf(const std::vector<std::string_view>& pieces, int digitCount, std::string& problem) {
    std::string digits;
    if (pieces.size() == 1 && allDigits(pieces[0])) {
        digits = std::string(pieces[0]);
    } else {
        for (std::string_view piece : pieces) {
            if (piece.size() != 1 || !allDigits(piece)) {
                problem = "奖号必须是 " + std::to_string(digitCount) + " 个 0-9 的数字";
                return {};
            }
            digits += piece;
        }
    }
    if (static_cast<int>(digits.size()) != digitCount) {
        problem = "奖号有 " + std::to_string(digits.size()) + " 位数字, 本彩票是 " +
                  std::to_string(digitCount) + " 位";
        return {};
    }
    return digits;
}

std::string stringField(const Json& entry, const char* key) {
    const auto it = entry.find(key);
    if (it == entry.end() || !it->is_string()) return {};
    return it->get<std::string>();
}

/// The entries of a JSON draw list: each object read by `read`, anything else kept as an unusable entry.
template <typename ReadItem> void readItems(const Json& list, SourcePage& page, ReadItem read) {
    for (const Json& item : list) {
        SourceEntry entry;
        if (item.is_object()) {
            read(item, entry);
        } else {
            entry.text = item.dump();
            entry.problem = "不是一期开奖数据";
        }
        page.entries.push_back(std::move(entry));
    }
}

using IsKind = bool (Json::*)() const noexcept;

/// The member `key` of an answer's object when it is of the kind `isKind` tests; else the refusal naming
/// the site, the member (a list as such) and the start of the answer.
Result<const Json*> requireMember(const Json& object, const char* key, IsKind isKind, std::string_view site,
                                  std::string_view body) {
    const auto it = object.find(key);
    if (it == object.end() || !((*it).*isKind)())
        return fail(std::string(site) + "的回答缺少 " + key + (isKind == &Json::is_array ? " 列表" : "") +
                    ": " + excerpt(body));
    return &*it;
}

Result<Json> parseJson(std::string_view body, std::string_view site) {
    if (looksLikeWebPage(body))
        return fail(std::string(site) +
                    "的回答是网页而不是开奖数据 (可能是错误页面或地址已改变): " + excerpt(body));
    Json json = Json::parse(body, nullptr, false);
    if (json.is_discarded() || !json.is_object())
        return fail(std::string(site) + "的回答不是可以读懂的 JSON 数据: " + excerpt(body));
    return json;
}

/// An organiser's answer as a JSON object whose status member `statusKey` says the query succeeded:
/// `refusal` reads the status (and the answer's message) and gives what to say when it did not, else
/// nothing.
template <typename Refusal>
Result<Json> acceptedAnswer(std::string_view body, std::string_view site, const char* statusKey,
                            IsKind isKind, Refusal refusal) {
    auto json = parseJson(body, site);
    if (!json) return std::unexpected(json.error());
    const auto status = requireMember(*json, statusKey, isKind, site, body);
    if (!status) return std::unexpected(status.error());
    if (std::optional<std::string> refused = refusal(*json, **status)) return fail(*refused);
    return json;
}

} // namespace

namespace {
// In the order the dialogs offer them.
constexpr std::array kSourceKinds{
    SourceKindFacts{SourceKind::Server, "server", "数据服务器", settings_keys::kDataUrl},
    SourceKindFacts{SourceKind::Cwl, "cwl", "福彩网站", settings_keys::kCwlUrl},
    SourceKindFacts{SourceKind::Sporttery, "sporttery", "体彩网站", settings_keys::kSportteryUrl},
    SourceKindFacts{SourceKind::Lines, "lines", "开奖数据文件的网站", settings_keys::kLinesUrl},
};
} // namespace

const SourceKindFacts& sourceFacts(SourceKind kind) {
    for (const SourceKindFacts& facts : kSourceKinds)
        if (facts.kind == kind) return facts;
    return kSourceKinds.front();
}

std::string_view sourceKindName(SourceKind kind) {
    return sourceFacts(kind).name;
}

std::optional<SourceKind> parseSourceKind(std::string_view name) {
    for (const SourceKindFacts& facts : kSourceKinds)
        if (facts.name == name) return facts.kind;
    return std::nullopt;
}

const std::vector<SourceKind>& allSourceKinds() {
    static const std::vector<SourceKind> kinds = [] {
        std::vector<SourceKind> out;
        for (const SourceKindFacts& facts : kSourceKinds)
            out.push_back(facts.kind);
        return out;
    }();
    return kinds;
}

std::string_view defaultSourceUrl(SourceKind kind) {
    return sourceFacts(kind).address.fallback;
}

std::string cwlPageUrl(std::string_view base, int page, int pageSize) {
    return std::string(base) +
           "/cwl_admin/front/cwlkj/search/kjxx/findDrawNotice?name=3d&pageNo=" + std::to_string(page) +
           "&pageSize=" + std::to_string(pageSize) + "&systemType=PC";
}

std::string sportteryPageUrl(std::string_view base, std::string_view gameNo, int page, int pageSize) {
    return std::string(base) + "/gateway/lottery/getHistoryPageListV1.qry?gameNo=" + std::string(gameNo) +
           "&provinceId=0&pageSize=" + std::to_string(pageSize) +
           "&isVerify=1&pageNo=" + std::to_string(page);
}

Result<std::string> sportteryGameNo(int digitCount) {
    if (digitCount == 3) return std::string("35");
    if (digitCount == 5) return std::string("350133");
    return fail("体彩网站只提供排列3 (3 位) 和排列5 (5 位) 的开奖数据, 本彩票是 " +
                std::to_string(digitCount) + " 位");
}

std::string linesArchiveUrl(std::string_view address, std::string_view lotteryName) {
    std::string url(address);
    for (std::size_t at; (at = url.find("{name}")) != std::string::npos;)
        url.replace(at, 6, percentEncode(lotteryName));
    return url;
}

std::vector<std::string> sourceHeaders(SourceKind kind, std::string_view base) {
    if (kind == SourceKind::Cwl)
        return {"User-Agent: " + std::string(kBrowserAgent), "Referer: " + std::string(base) + "/"};
    if (kind == SourceKind::Sporttery) return {"User-Agent: " + std::string(kBrowserAgent)};
    return {};
}

Result<SourcePage> parseCwlAnswer(std::string_view body, int digitCount) {
    constexpr std::string_view kSite = "福彩网站";
    auto json = acceptedAnswer(body, kSite, "state", &Json::is_number_integer,
                               [](const Json& answer, const Json& state) -> std::optional<std::string> {
                                   const long long code = state.get<long long>();
                                   if (code == 0) return std::nullopt;
                                   const std::string message = stringField(answer, "message");
                                   return "福彩网站回答失败 (state " + std::to_string(code) +
                                          (message.empty() ? "" : ", " + message) + ")";
                               });
    if (!json) return std::unexpected(json.error());
    const auto result = requireMember(*json, "result", &Json::is_array, kSite, body);
    if (!result) return std::unexpected(result.error());
    SourcePage page;
    readItems(**result, page, [&](const Json& item, SourceEntry& entry) {
        entry.period = stringField(item, "code");
        const std::string red = stringField(item, "red");
        entry.text = "code=" + entry.period + " red=" + red;
        if (entry.period.size() != 7 || !allDigits(entry.period))
            entry.problem = "期号应为 7 位数字";
        else
            entry.digits = digitsOf(splitAt(red, ", "), digitCount, entry.problem);
    });
    return page;
}

Result<SourcePage> parseSportteryAnswer(std::string_view body, int digitCount) {
    constexpr std::string_view kSite = "体彩网站";
    auto json = acceptedAnswer(body, kSite, "success", &Json::is_boolean,
                               [](const Json& answer, const Json& success) -> std::optional<std::string> {
                                   if (success.get<bool>()) return std::nullopt;
                                   const std::string message = stringField(answer, "errorMessage");
                                   return "体彩网站回答失败" +
                                          (message.empty() ? std::string() : " (" + message + ")");
                               });
    if (!json) return std::unexpected(json.error());
    const auto value = requireMember(*json, "value", &Json::is_object, kSite, body);
    if (!value) return std::unexpected(value.error());
    const auto list = requireMember(**value, "list", &Json::is_array, kSite, body);
    if (!list) return std::unexpected(list.error());
    SourcePage page;
    if (const auto pages = (*value)->find("pages"); pages != (*value)->end() && pages->is_number_integer())
        page.pageCount = static_cast<int>(std::clamp<long long>(pages->get<long long>(), 0, 1'000'000));
    readItems(**list, page, [&](const Json& item, SourceEntry& entry) {
        const std::string number = stringField(item, "lotteryDrawNum");
        const std::string result = stringField(item, "lotteryDrawResult");
        entry.text = "lotteryDrawNum=" + number + " lotteryDrawResult=" + result;
        // Periods are published as YYNNN: the year within this century and the draw of that year.
        if (number.size() != 5 || !allDigits(number)) {
            entry.period = number;
            entry.problem = "期号应为 5 位数字 (年份两位 + 期数三位)";
        } else {
            entry.period = "20" + number;
            entry.digits = digitsOf(splitAt(result, " ,"), digitCount, entry.problem);
        }
    });
    return page;
}

Result<SourcePage> parseDrawLines(std::string_view body, int digitCount) {
    if (looksLikeWebPage(body))
        return fail("下载的内容是网页而不是开奖数据 (可能是错误页面或地址已改变): " + excerpt(body));
    if (body.find('\0') != std::string_view::npos) return fail("下载的内容不是文本: " + excerpt(body));
    const std::string text = decodeText(body);
    SourcePage page;
    for (const std::string& raw : splitLines(text)) {
        std::vector<std::string_view> pieces = splitAt(raw, " \t\r,");
        if (pieces.empty()) continue;
        SourceEntry entry;
        std::string_view line = raw;
        while (!line.empty() && isBlank(line.front()))
            line.remove_prefix(1);
        while (!line.empty() && isBlank(line.back()))
            line.remove_suffix(1);
        entry.text = std::string(line);
        entry.period = std::string(pieces[0]);
        pieces.erase(pieces.begin());
        // A date between the period and the digits ("2026-09-13", "2026/09/13") is skipped.
        if (!pieces.empty() && pieces[0].find_first_of("-/.") != std::string_view::npos)
            pieces.erase(pieces.begin());
        if (!allDigits(entry.period))
            entry.problem = "期号必须是数字";
        else if (pieces.empty())
            entry.problem = "缺少奖号";
        else
            entry.digits = digitsOf(pieces, digitCount, entry.problem);
        page.entries.push_back(std::move(entry));
    }
    if (page.entries.empty()) return fail("下载的内容是空的, 没有开奖数据");
    return page;
}

Result<DrawList> SelectNewDraws(const std::vector<SourceEntry>& entries, std::int64_t latestPeriod,
                                std::size_t periodDigits) {
    std::map<std::int64_t, Draw> fresh;
    for (const SourceEntry& entry : entries) {
        const std::optional<std::int64_t> value =
            allDigits(entry.period) ? parsePeriod(entry.period) : std::optional<std::int64_t>();
        // An old line with a flaw is history the user already has; it stops nothing.
        if (value && *value <= latestPeriod && latestPeriod > 0) continue;
        if (!entry.problem.empty())
            return fail("下载的数据有无法使用的一期: " + entry.text + " (" + entry.problem +
                        "); 没有保存任何数据");
        if (!value) return fail("下载的数据期号有问题: " + entry.text + "; 没有保存任何数据");
        const std::size_t length = std::to_string(*value).size();
        if (periodDigits != 0 && length != periodDigits)
            return fail("下载的数据期号位数不对: " + entry.text + " (本彩票的期号是 " +
                        std::to_string(periodDigits) + " 位数字); 没有保存任何数据");
        auto [at, inserted] = fresh.try_emplace(*value, Draw{entry.period, entry.digits});
        if (!inserted && at->second.digits != entry.digits)
            return fail("下载的数据中第" + entry.period + "期出现两次且奖号不同 (" + at->second.digits +
                        " 和 " + entry.digits + "); 没有保存任何数据");
    }
    DrawList out;
    out.reserve(fresh.size());
    for (auto& [value, draw] : fresh)
        out.push_back(std::move(draw));
    return out;
}

} // namespace p3::core
