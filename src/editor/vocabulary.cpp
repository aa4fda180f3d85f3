#include "vocabulary.h"

namespace busho::vocabulary {
namespace {

QStringList FromUtf16(std::initializer_list<const char16_t*> items) {
    QStringList list;
    for (const char16_t* item : items) list << QString::fromUtf16(item);
    return list;
}

}  // namespace

QStringList Genders() { return FromUtf16({u"女", u"男"}); }
QStringList Origins() { return FromUtf16({u"武士", u"高家", u"僧侣", u"商人", u"海盗", u"忍者", u"剑豪", u"庶民"}); }
QStringList Faiths() { return FromUtf16({u"无", u"亻厶教", u"一向宗", u"基督教"}); }
QStringList Statuses() {
    return FromUtf16({u"无", u"元服前", u"未发现", u"浪人", u"俘虏", u"人质", u"姬", u"家臣", u"死亡\""});
}
QStringList Appearances() { return FromUtf16({u"退场", u"出场"}); }
QStringList Ranks() { return FromUtf16({u"Ｄ", u"Ｃ", u"Ｂ", u"Ａ", u"Ｓ"}); }

QStringList Castles() {
    return FromUtf16({
        u"德山馆", u"箱馆港", u"-----", u"三户城", u"久慈港", u"-----", u"石川城", u"十三港", u"浪冈城", u"高水寺城",
        u"九户城", u"鸟谷ク崎城", u"岩出山城", u"盐釜港", u"-----", u"小高城", u"相马中村城", u"平城", u"黑川城", u"二本松城",
        u"-----", u"桧山城", u"土崎港", u"大馆城", u"山形城", u"酒田港", u"米泽城", u"太田城", u"鹿岛港", u"-----",
        u"结城城", u"本佐仓城", u"-----", u"久留里城", u"冈本港", u"-----", u"宇都宫城", u"乌山城", u"唐泽山城", u"箕轮城",
        u"沼田城", u"平井城", u"岩付城", u"河越城", u"八王子城", u"小田原城", u"下田港", u"兴国寺城", u"踯躅ゥ崎馆", u"-----",
        u"-----", u"深志城", u"海津城", u"饭田城", u"新发田城", u"祈尾城", u"-----", u"春日山城", u"柏崎港", u"-----",
        u"富山城", u"鱼津城", u"莲沼城", u"七尾城", u"轮岛港", u"-----", u"御山御坊", u"大圣寺城", u"-----", u"一乘谷城",
        u"敦贺港", u"-----", u"骏府城", u"高天神城", u"-----", u"冈崎城", u"滨松港", u"-----", u"清洲城", u"小牧山城",
        u"-----", u"稻叶山城", u"岩村城", u"大垣城", u"樱洞城", u"-----", u"-----", u"雾山御所", u"鸟羽港", u"龟山城",
        u"小谷城", u"坂本城", u"-----", u"观音寺城", u"-----", u"-----", u"室叮御所", u"胜龙寺城", u"-----", u"弓木城",
        u"建部山城", u"-----", u"八上城", u"圆部城", u"-----", u"岸和田城", u"界港", u"-----", u"石山御坊", u"-----",
        u"-----", u"筒井城", u"伊贺上野城", u"-----", u"杂贺城", u"熊野港", u"-----", u"姬路城", u"-----", u"-----",
        u"冈山城", u"下津井港", u"备中高松城", u"吉田郡山城", u"能岛港", u"佐东银山城", u"高岭城", u"下关港", u"-----", u"岛取城",
        u"此隅城", u"八桥城", u"月山富田城", u"美保关港", u"滨田城", u"胜瑞城", u"宇多津港", u"-----", u"汤筑城", u"今治港",
        u"川之江城", u"黑濑城", u"板岛港", u"-----", u"冈丰城", u"室户港", u"-----", u"中村御所", u"-----", u"-----",
        u"城井谷城", u"门司港", u"-----", u"府内馆", u"佐伯港", u"-----", u"立花山城", u"博多港", u"-----", u"村中城",
        u"-----", u"-----", u"大村城", u"长崎港", u"-----", u"隈本城", u"内牧城", u"-----", u"人吉城", u"八代城",
        u"-----", u"佐土原城", u"油津港", u"县城", u"内城", u"坊津港", u"出水城", u"肝付城", u"加治木城", u"-----",
    });
}

// As the game lists an officer's aptitudes.
QStringList AptitudeLabels() { return FromUtf16({u"足轻", u"骑马", u"弓", u"铁炮", u"计略", u"兵器", u"水军", u"筑城", u"内政"}); }

// Tactics whose names we do not know carry neutral labels.
QStringList TacticNames() {
    return FromUtf16({u"枪衾", u"枪突击", u"枪车", u"乱战", u"强袭", u"千成衾", u"先驱", u"突进", u"突击", u"啄木鸟",
                      u"乘崩", u"车悬", u"齐射", u"火矢", u"连射", u"三矢训", u"铁炮一", u"铁炮二", u"铁炮三", u"铁炮四",
                      u"铁炮五", u"铁炮六", u"计略一", u"计略二", u"计略三", u"计略四", u"计略五", u"计略六", u"计略七", u"计略八"});
}

QStringList VoiceLabels() { return FromUtf16({u"威严", u"勇猛", u"睿智", u"年少", u"普通", u"女性"}); }

}  // namespace busho::vocabulary
