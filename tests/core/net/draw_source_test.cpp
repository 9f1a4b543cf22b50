// The readers of the draw sources' answers and the rule that picks the new draws, on answers written
// by hand in each source's format.
#include <gtest/gtest.h>

#include "core/net/draw_source.h"

using namespace p3::core;

namespace {

bool mentions(const Error& error, std::string_view text) {
    return error.message.find(text) != std::string::npos;
}

SourceEntry good(std::string period, std::string digits) {
    return {period, digits, period + " " + digits, ""};
}

} // namespace

TEST(DrawSourceCwl, ReadsTheDrawNoticesAndRefusesFailedOrForeignAnswers) {
    const std::string answer = R"j({"state":0,"message":"查询成功","total":3,"pageNum":1,"result":[
        {"name":"3d","code":"2026246","date":"2026-09-13(日)","week":"日","red":"9,8,2","blue":"","sales":"1"},
        {"name":"3d","code":"2026245","date":"2026-09-12(六)","red":"0,0,7","blue":""},
        {"name":"3d","code":"2026244","date":"2026-09-11(五)","red":"1,2","blue":""}]})j";
    auto page = parseCwlAnswer(answer, 3);
    ASSERT_TRUE(page) << page.error().message;
    ASSERT_EQ(page->entries.size(), 3u);
    EXPECT_EQ(page->entries[0].period, "2026246");
    EXPECT_EQ(page->entries[0].digits, "982");
    EXPECT_EQ(page->entries[1].digits, "007");
    EXPECT_TRUE(page->entries[1].problem.empty());
    // Two digits for a three-digit lottery: the entry is read but marked unusable.
    EXPECT_NE(page->entries[2].problem.find("2 位"), std::string::npos);

    auto refused = parseCwlAnswer(R"({"state":1,"message":"系统繁忙","result":null})", 3);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().message, "福彩网站回答失败 (state 1, 系统繁忙)");
    EXPECT_EQ(parseCwlAnswer(R"({"state":2,"result":[]})", 3).error().message, "福彩网站回答失败 (state 2)");
    auto html = parseCwlAnswer("\r\n<!DOCTYPE html><html><body>403 Forbidden</body></html>", 3);
    ASSERT_FALSE(html);
    EXPECT_TRUE(mentions(html.error(), "网页"));
    EXPECT_TRUE(mentions(html.error(), "403 Forbidden"));
    // A member missing or of another kind is named, with the start of the answer.
    EXPECT_EQ(parseCwlAnswer(R"({"state":0,"message":"ok"})", 3).error().message,
              R"(福彩网站的回答缺少 result 列表: {"state":0,"message":"ok"})");
    EXPECT_EQ(parseCwlAnswer(R"({"state":0,"result":{"code":"2026246"}})", 3).error().message,
              R"(福彩网站的回答缺少 result 列表: {"state":0,"result":{"code":"2026246"}})");
    EXPECT_EQ(parseCwlAnswer(R"({"state":"0","result":[]})", 3).error().message,
              R"(福彩网站的回答缺少 state: {"state":"0","result":[]})");
    EXPECT_FALSE(parseCwlAnswer("{\"state\":0,\"result\":[", 3));
    EXPECT_FALSE(parseCwlAnswer("", 3));
    // A period that is not seven digits, or digits that are not single digits, are no draws.
    auto odd = parseCwlAnswer(R"({"state":0,"result":[{"code":"26246","red":"1,2,3"},
                                                   {"code":"2026247","red":"10,2,3"},"x"]})",
                              3);
    ASSERT_TRUE(odd);
    ASSERT_EQ(odd->entries.size(), 3u);
    for (const auto& entry : odd->entries)
        EXPECT_FALSE(entry.problem.empty()) << entry.text;
}

TEST(DrawSourceSporttery, FiveDigitPeriodsBecomeSevenAcrossTheTurnOfTheYear) {
    const std::string answer = R"({"dataFrom":"","emptyFlag":false,"errorCode":"0","errorMessage":"处理成功",
        "success":true,"value":{"pageNo":1,"pageSize":3,"pages":12,"total":36,"list":[
        {"lotteryDrawNum":"26002","lotteryDrawTime":"2026-01-02","lotteryDrawResult":"0 4 9","lotteryGameName":"排列3"},
        {"lotteryDrawNum":"26001","lotteryDrawTime":"2026-01-01","lotteryDrawResult":"2 8 6"},
        {"lotteryDrawNum":"25358","lotteryDrawTime":"2025-12-31","lotteryDrawResult":"5 5 1"}]}})";
    auto page = parseSportteryAnswer(answer, 3);
    ASSERT_TRUE(page) << page.error().message;
    EXPECT_EQ(page->pageCount, 12);
    ASSERT_EQ(page->entries.size(), 3u);
    EXPECT_EQ(page->entries[0].period, "2026002");
    EXPECT_EQ(page->entries[1].period, "2026001");
    EXPECT_EQ(page->entries[2].period, "2025358");
    EXPECT_EQ(page->entries[0].digits, "049");
    // In period order the new year follows the old one.
    auto fresh = SelectNewDraws(page->entries, 2025357, 7);
    ASSERT_TRUE(fresh);
    EXPECT_EQ(*fresh, (DrawList{{"2025358", "551"}, {"2026001", "286"}, {"2026002", "049"}}));

    auto five = parseSportteryAnswer(
        R"({"success":true,"value":{"pages":1,"list":[{"lotteryDrawNum":"26246","lotteryDrawResult":"2 8 6 1 3"}]}})",
        5);
    ASSERT_TRUE(five);
    EXPECT_EQ(five->entries[0].digits, "28613");
    // The 排列3 answer is no 排列5 draw.
    auto three = parseSportteryAnswer(answer, 5);
    ASSERT_TRUE(three);
    EXPECT_FALSE(three->entries[0].problem.empty());
    auto bad = parseSportteryAnswer(
        R"({"success":true,"value":{"list":[{"lotteryDrawNum":"2026246","lotteryDrawResult":"2 8 6"}]}})", 3);
    ASSERT_TRUE(bad);
    EXPECT_NE(bad->entries[0].problem.find("5 位"), std::string::npos);

    auto refused = parseSportteryAnswer(R"({"success":false,"errorMessage":"参数错误","value":null})", 3);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().message, "体彩网站回答失败 (参数错误)");
    EXPECT_EQ(parseSportteryAnswer(R"({"success":false,"value":{"list":[]}})", 3).error().message,
              "体彩网站回答失败");
    EXPECT_EQ(parseSportteryAnswer(R"({"success":true,"value":{"pages":3}})", 3).error().message,
              R"(体彩网站的回答缺少 list 列表: {"success":true,"value":{"pages":3}})");
    EXPECT_EQ(parseSportteryAnswer(R"({"success":true,"value":[]})", 3).error().message,
              R"(体彩网站的回答缺少 value: {"success":true,"value":[]})");
    EXPECT_EQ(parseSportteryAnswer(R"({"success":1})", 3).error().message,
              R"(体彩网站的回答缺少 success: {"success":1})");
    EXPECT_FALSE(parseSportteryAnswer("<html><head><title>502 Bad Gateway</title></head></html>", 3));
    EXPECT_FALSE(parseSportteryAnswer(R"([1,2,3])", 3));
    EXPECT_EQ(sportteryGameNo(3).value(), "35");
    EXPECT_EQ(sportteryGameNo(5).value(), "350133");
    EXPECT_FALSE(sportteryGameNo(4));
}

TEST(DrawSourceLines, ReadsEveryLineFormInEitherOrder) {
    const std::string archive = "2026248 2026-09-15 4 5 6\r\n"
                                "\r\n"
                                "  2026247\t2026/09/14\t123  \n"
                                "2026246 9 8 2\n"
                                "2026245 007\n";
    auto page = parseDrawLines(archive, 3);
    ASSERT_TRUE(page) << page.error().message;
    ASSERT_EQ(page->entries.size(), 4u);
    for (const auto& entry : page->entries)
        EXPECT_TRUE(entry.problem.empty()) << entry.text;
    auto fresh = SelectNewDraws(page->entries, 2026245, 7);
    ASSERT_TRUE(fresh);
    EXPECT_EQ(*fresh, (DrawList{{"2026246", "982"}, {"2026247", "123"}, {"2026248", "456"}}));

    auto html = parseDrawLines("<html><body>Not Found</body></html>\n", 3);
    ASSERT_FALSE(html);
    EXPECT_TRUE(mentions(html.error(), "网页"));
    EXPECT_FALSE(parseDrawLines("", 3));
    EXPECT_FALSE(parseDrawLines(" \r\n\r\n", 3));
    EXPECT_FALSE(parseDrawLines(std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), 3));
    // GBK text is read as well as UTF-8.
    auto gbk = parseDrawLines("2026246 \xb5\xda 9 8 2\n", 3);
    ASSERT_TRUE(gbk);
    EXPECT_FALSE(gbk->entries[0].problem.empty());
}

TEST(DrawSourceSelect, NewDrawsAreEveryNewLineInPeriodOrderAndNothingPastABadOne) {
    // A line that cannot be used stops the whole update and is named: 2026248 is not stored past it.
    auto lines = parseDrawLines("2026247 12\n2026248 345\n", 3);
    ASSERT_TRUE(lines);
    auto refused = SelectNewDraws(lines->entries, 2026246, 7);
    ASSERT_FALSE(refused);
    EXPECT_TRUE(mentions(refused.error(), "2026247 12"));

    // Disorder: every line above the latest stored period, in period order.
    auto disorder = parseDrawLines("2026250 111\n2026200 222\n2026251 333\n", 3);
    ASSERT_TRUE(disorder);
    auto fresh = SelectNewDraws(disorder->entries, 2026249, 7);
    ASSERT_TRUE(fresh);
    EXPECT_EQ(*fresh, (DrawList{{"2026250", "111"}, {"2026251", "333"}}));

    // A flawed line the user already has stops nothing; a flawed period of unknown age does.
    EXPECT_EQ(SelectNewDraws(
                  {good("2026001", "111"), {"2026002", "", "2026002 1x1", "奖号"}, good("2026003", "333")},
                  2026002, 7)
                  .value(),
              (DrawList{{"2026003", "333"}}));
    auto unknown = SelectNewDraws(
        {{"<garbage>", "", "<garbage> 123", "期号必须是数字"}, good("2026003", "333")}, 2026002, 7);
    ASSERT_FALSE(unknown);
    EXPECT_TRUE(mentions(unknown.error(), "<garbage> 123"));

    // One period too many digits (a typo of the source) is refused, not stored as the newest draw.
    auto typo = SelectNewDraws({good("20262470", "123")}, 2026246, 7);
    ASSERT_FALSE(typo);
    EXPECT_TRUE(mentions(typo.error(), "20262470"));

    // The same draw twice is stored once; the same period with other digits is refused.
    EXPECT_EQ(SelectNewDraws({good("2026247", "123"), good("2026247", "123")}, 2026246, 7).value().size(),
              1u);
    auto clash = SelectNewDraws({good("2026247", "123"), good("2026247", "124")}, 2026246, 7);
    ASSERT_FALSE(clash);
    EXPECT_TRUE(mentions(clash.error(), "2026247"));

    // A lottery without draws takes every line, of any period length.
    EXPECT_EQ(SelectNewDraws({good("12", "123"), good("7", "456")}, 0, 0).value(),
              (DrawList{{"7", "456"}, {"12", "123"}}));
    EXPECT_TRUE(SelectNewDraws({good("2026246", "123")}, 2026246, 7).value().empty());
}

TEST(DrawSourceAddresses, PagesAndArchivesAreAskedWhereTheSourcesExpect) {
    EXPECT_EQ(cwlPageUrl("http://h", 2, 30), "http://h/cwl_admin/front/cwlkj/search/kjxx/"
                                             "findDrawNotice?name=3d&pageNo=2&pageSize=30&systemType=PC");
    EXPECT_EQ(sportteryPageUrl("http://h", "35", 3, 30),
              "http://h/gateway/lottery/"
              "getHistoryPageListV1.qry?gameNo=35&provinceId=0&pageSize=30&isVerify=1&pageNo=3");
    EXPECT_EQ(linesArchiveUrl("http://h/a/{name}.txt", "福彩3D"), "http://h/a/%E7%A6%8F%E5%BD%A93D.txt");
    EXPECT_EQ(linesArchiveUrl("http://h/all.txt", "福彩3D"), "http://h/all.txt");
    EXPECT_EQ(parseSourceKind("sporttery"), SourceKind::Sporttery);
    EXPECT_FALSE(parseSourceKind("Sporttery"));
    EXPECT_EQ(defaultSourceUrl(SourceKind::Cwl), "https://www.cwl.gov.cn");
    EXPECT_EQ(defaultSourceUrl(SourceKind::Sporttery), "https://webapi.sporttery.cn");
    const auto headers = sourceHeaders(SourceKind::Cwl, "https://www.cwl.gov.cn");
    ASSERT_EQ(headers.size(), 2u);
    EXPECT_EQ(headers[1], "Referer: https://www.cwl.gov.cn/");
}
