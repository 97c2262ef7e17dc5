// The sixty pictures of the tile sheet, in sheet order: picture i is the
// square at sheet column i mod 10 and row i div 10. Each has the emoji it is
// drawn from (make_assets), its English name, and the short Chinese name
// under which a screen reader reads the tile aloud; no two share a name.
// Plain C++, shared by the generator and the game.
#pragma once

#include <array>

namespace mepo {

struct Picture {
    char32_t code;        // the emoji in the Noto Color Emoji font
    const char* name;     // English
    const char* chinese;  // read aloud on the board
};

// Picked so that no two look alike at 34 px: different shapes and different
// main colours.
inline constexpr std::array<Picture, 60> kPictures{{
    // 0-19: animals
    {0x1F98A, "fox", "狐狸"},
    {0x1F992, "giraffe", "长颈鹿"},
    {0x1F993, "zebra", "斑马"},
    {0x1F422, "turtle", "乌龟"},
    {0x1F40D, "snake", "蛇"},
    {0x1F419, "octopus", "章鱼"},
    {0x1F980, "crab", "螃蟹"},
    {0x1F420, "tropical fish", "热带鱼"},
    {0x1F433, "whale", "鲸鱼"},
    {0x1F427, "penguin", "企鹅"},
    {0x1F989, "owl", "猫头鹰"},
    {0x1F99C, "parrot", "鹦鹉"},
    {0x1F98B, "butterfly", "蝴蝶"},
    {0x1F41D, "honeybee", "蜜蜂"},
    {0x1F41E, "ladybird", "瓢虫"},
    {0x1F40C, "snail", "蜗牛"},
    {0x1F438, "frog", "青蛙"},
    {0x1F996, "dinosaur", "恐龙"},
    {0x1F9A9, "flamingo", "火烈鸟"},
    {0x1F43C, "panda", "熊猫"},
    // 20-24: plants and sky
    {0x1F33B, "sunflower", "向日葵"},
    {0x1F335, "cactus", "仙人掌"},
    {0x1F340, "four-leaf clover", "四叶草"},
    {0x1F308, "rainbow", "彩虹"},
    {0x1F525, "fire", "火焰"},
    // 25-36: fruit and vegetables
    {0x1F34E, "apple", "苹果"},
    {0x1F34C, "banana", "香蕉"},
    {0x1F347, "grapes", "葡萄"},
    {0x1F349, "watermelon", "西瓜"},
    {0x1F353, "strawberry", "草莓"},
    {0x1F34D, "pineapple", "菠萝"},
    {0x1F352, "cherries", "樱桃"},
    {0x1F34B, "lemon", "柠檬"},
    {0x1F951, "avocado", "牛油果"},
    {0x1F955, "carrot", "胡萝卜"},
    {0x1F33D, "corn", "玉米"},
    {0x1F344, "mushroom", "蘑菇"},
    // 37-42: food
    {0x1F355, "pizza", "披萨"},
    {0x1F354, "hamburger", "汉堡"},
    {0x1F369, "doughnut", "甜甜圈"},
    {0x1F366, "ice cream", "冰淇淋"},
    {0x1F382, "birthday cake", "生日蛋糕"},
    {0x1F36D, "lollipop", "棒棒糖"},
    // 43-48: vehicles
    {0x1F697, "car", "汽车"},
    {0x1F682, "steam engine", "蒸汽机车"},
    {0x2708, "aeroplane", "飞机"},
    {0x1F680, "rocket", "火箭"},
    {0x1F681, "helicopter", "直升机"},
    {0x26F5, "sailing boat", "帆船"},
    // 49-59: things
    {0x26BD, "football", "足球"},
    {0x1F3B8, "guitar", "吉他"},
    {0x1F388, "balloon", "气球"},
    {0x1F381, "present", "礼物"},
    {0x1F451, "crown", "皇冠"},
    {0x1F48E, "gem", "宝石"},
    {0x1F511, "key", "钥匙"},
    {0x1F514, "bell", "铃铛"},
    {0x1F4A1, "light bulb", "灯泡"},
    {0x2602, "umbrella", "雨伞"},
    {0x231B, "hourglass", "沙漏"},
}};

// The picture a tile code shows. Codes 1..59 have their own square (units
// digit the sheet column, tens digit the row); higher codes, dealt from level
// 5 or 6 on, wrap round to 1 + (code - 1) mod 59, which keeps the up to 24
// consecutive codes of any one level apart. Code 0, an empty cell, shows
// picture 0, which is never dealt.
constexpr int pictureOf(int code) { return code < 1 ? 0 : 1 + (code - 1) % 59; }

}  // namespace mepo
