#include "vocabulary_text.h"

namespace busho::vocabulary_text {

const std::vector<std::string>& Genders() {
    static const std::vector<std::string> items = {"女", "男"};
    return items;
}

const std::vector<std::string>& Origins() {
    static const std::vector<std::string> items = {"武士", "高家", "僧侣", "商人", "海盗", "忍者", "剑豪", "庶民"};
    return items;
}

const std::vector<std::string>& Faiths() {
    static const std::vector<std::string> items = {"无", "亻厶教", "一向宗", "基督教"};
    return items;
}

const std::vector<std::string>& Statuses() {
    static const std::vector<std::string> items = {"无", "元服前", "未发现", "浪人", "俘虏", "人质", "姬", "家臣", "死亡\""};
    return items;
}

const std::vector<std::string>& Appearances() {
    static const std::vector<std::string> items = {"退场", "出场"};
    return items;
}

const std::vector<std::string>& Ranks() {
    static const std::vector<std::string> items = {"Ｄ", "Ｃ", "Ｂ", "Ａ", "Ｓ"};
    return items;
}

const std::vector<std::string>& AptitudeLabels() {
    static const std::vector<std::string> items = {"足轻", "骑马", "弓", "铁炮", "计略", "兵器", "水军", "筑城", "内政"};
    return items;
}

const std::vector<std::string>& TacticNames() {
    static const std::vector<std::string> items = {"枪衾", "枪突击", "枪车", "乱战", "强袭", "千成衾", "先驱", "突进", "突击", "啄木鸟",
                      "乘崩", "车悬", "齐射", "火矢", "连射", "三矢训", "铁炮一", "铁炮二", "铁炮三", "铁炮四",
                      "铁炮五", "铁炮六", "计略一", "计略二", "计略三", "计略四", "计略五", "计略六", "计略七", "计略八"};
    return items;
}

const std::vector<std::string>& VoiceLabels() {
    static const std::vector<std::string> items = {"威严", "勇猛", "睿智", "年少", "普通", "女性"};
    return items;
}

const std::vector<std::string>& Castles() {
    static const std::vector<std::string> items = {
        "德山馆", "箱馆港", "-----", "三户城", "久慈港", "-----", "石川城", "十三港", "浪冈城", "高水寺城",
        "九户城", "鸟谷ク崎城", "岩出山城", "盐釜港", "-----", "小高城", "相马中村城", "平城", "黑川城", "二本松城",
        "-----", "桧山城", "土崎港", "大馆城", "山形城", "酒田港", "米泽城", "太田城", "鹿岛港", "-----",
        "结城城", "本佐仓城", "-----", "久留里城", "冈本港", "-----", "宇都宫城", "乌山城", "唐泽山城", "箕轮城",
        "沼田城", "平井城", "岩付城", "河越城", "八王子城", "小田原城", "下田港", "兴国寺城", "踯躅ゥ崎馆", "-----",
        "-----", "深志城", "海津城", "饭田城", "新发田城", "祈尾城", "-----", "春日山城", "柏崎港", "-----",
        "富山城", "鱼津城", "莲沼城", "七尾城", "轮岛港", "-----", "御山御坊", "大圣寺城", "-----", "一乘谷城",
        "敦贺港", "-----", "骏府城", "高天神城", "-----", "冈崎城", "滨松港", "-----", "清洲城", "小牧山城",
        "-----", "稻叶山城", "岩村城", "大垣城", "樱洞城", "-----", "-----", "雾山御所", "鸟羽港", "龟山城",
        "小谷城", "坂本城", "-----", "观音寺城", "-----", "-----", "室叮御所", "胜龙寺城", "-----", "弓木城",
        "建部山城", "-----", "八上城", "圆部城", "-----", "岸和田城", "界港", "-----", "石山御坊", "-----",
        "-----", "筒井城", "伊贺上野城", "-----", "杂贺城", "熊野港", "-----", "姬路城", "-----", "-----",
        "冈山城", "下津井港", "备中高松城", "吉田郡山城", "能岛港", "佐东银山城", "高岭城", "下关港", "-----", "岛取城",
        "此隅城", "八桥城", "月山富田城", "美保关港", "滨田城", "胜瑞城", "宇多津港", "-----", "汤筑城", "今治港",
        "川之江城", "黑濑城", "板岛港", "-----", "冈丰城", "室户港", "-----", "中村御所", "-----", "-----",
        "城井谷城", "门司港", "-----", "府内馆", "佐伯港", "-----", "立花山城", "博多港", "-----", "村中城",
        "-----", "-----", "大村城", "长崎港", "-----", "隈本城", "内牧城", "-----", "人吉城", "八代城",
        "-----", "佐土原城", "油津港", "县城", "内城", "坊津港", "出水城", "肝付城", "加治木城", "-----"
    };
    return items;
}

}  // namespace busho::vocabulary_text
