#include "interp/HelpText.h"

#include "interp/Words.h"
#include "words/Catalogue.h"

namespace tarvo::interp {

std::string helpText() {
    const std::string_view between = words::say("，");
    std::string list;
    for (const std::string& word : acceptedWords()) {
        if (!list.empty()) list += between;
        list += word;
    }
    return words::fill(
               "      本仿真程序应用的是脉冲插补算法。在仿真过程中应用了两种插补方法：直线插补，"
               "圆弧插补（包括顺时方向插补和逆时方向插补)本仿真程序可以实现如下指令的判别和执行："
               "  {1}。在应用时，编程者只要按照本应用程序"
               "的要求输入程序，即可以实现所要求的加工过程的仿真过程。本程序能够判断所输入的程序的"
               "正确性，可以对程序进行编辑。本软件可以从平面和轴测两个视图观察仿真过程。并且在并口"
               "送出脉冲.",
               {list}) +
           "\r\n";
}

}  // namespace tarvo::interp
