// Runs a fuzz target without libFuzzer (for compilers that have none): each file argument is one
// input; without arguments, random inputs built from fragments of the condition grammar.
#include <cstdint>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    auto run = [](const std::string& s) {
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(s.data()), s.size());
    };
    if (argc > 1) {
        for (int i = 1; i < argc; ++i) {
            std::ifstream in(argv[i], std::ios::binary);
            run(std::string(std::istreambuf_iterator<char>(in), {}));
        }
        return 0;
    }
    const std::vector<std::string> fragments{"&",
                                             "~",
                                             "^",
                                             "%",
                                             "/",
                                             " ",
                                             "1",
                                             "0",
                                             "2",
                                             "3",
                                             "9",
                                             "-",
                                             "\n",
                                             "和值",
                                             "最小号",
                                             "形态",
                                             "a",
                                             "b",
                                             "c",
                                             "复码个数",
                                             "组选排列",
                                             "任意位合",
                                             "任意二码",
                                             "按位复式",
                                             "号码组",
                                             "已出号码",
                                             "2复1隔",
                                             "Begin_Tianjiao",
                                             "End_Tianjiao",
                                             "无设置",
                                             "\xff",
                                             "05",
                                             "12"};
    std::mt19937 rng(1);
    for (int i = 0; i < 200000; ++i) {
        std::string s;
        s += static_cast<char>(rng() % 256);
        s += static_cast<char>(rng() % 256);
        const int n = static_cast<int>(rng() % 24);
        for (int k = 0; k < n; ++k)
            s += fragments[rng() % fragments.size()];
        run(s);
    }
    return 0;
}
