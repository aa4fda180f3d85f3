#!/usr/bin/env python3
"""Writes assets/roster.txt, the readable source of our stand-in roster of built-in officers.

Run once by hand when the stand-in changes; the build never runs it (it reads assets/roster.txt).
Real Sengoku-period figures carry their known years and abilities estimated from their repute;
the rest are made-up vassals with plausible names, years and abilities, drawn from a fixed seed.
"""
import random
import sys
from pathlib import Path

TOTAL = 1630

FIRST = [
    ("蠣崎季広", 1507, 1595, "L"),
    ("蠣崎庆広", 1548, 1618, "L"),
    ("蠣崎盛広", 1571, 1608, "N"),
    ("蠣崎守広", 1575, 1630, "N"),
    ("近藤义武", 1530, 1592, "W"),
]
LAST = [
    ("家臣", 1530, 1600, "N"),
    ("家老", 1520, 1595, "A"),
    ("传令", 1540, 1610, "N"),
    ("忍者", 1535, 1605, "W"),
    ("侍", 1530, 1600, "W"),
    ("おね", 1548, 1624, "A"),
]

# Archetypes: L lord, G general, W warrior, S strategist, A administrator, N ordinary vassal.
REAL = """
南部晴政 1517 1582 L|南部信直 1546 1599 L|九户政实 1536 1591 G|津轻为信 1550 1608 L|安东爱季 1539 1587 L
秋田实季 1576 1660 N|户泽盛安 1566 1590 W|伊达晴宗 1519 1578 L|伊达辉宗 1544 1585 L|伊达政宗 1567 1636 L
伊达成实 1568 1646 G|片仓景纲 1557 1615 S|鬼庭良直 1513 1586 A|留守政景 1549 1607 N|最上义光 1546 1614 L
最上义守 1521 1590 N|芦名盛氏 1521 1580 L|芦名盛隆 1561 1584 N|金上盛备 1527 1589 S|相马盛胤 1529 1601 G
相马义胤 1548 1635 G|佐竹义重 1547 1612 L|佐竹义宣 1570 1633 L|北条氏康 1515 1571 L|北条氏政 1538 1590 L
北条氏直 1562 1591 N|北条纲成 1515 1587 G|北条氏照 1540 1590 G|北条氏邦 1541 1597 G|北条幻庵 1493 1589 S
风魔小太郎 1550 1603 W|上杉谦信 1530 1578 L|上杉景胜 1556 1623 L|上杉景虎 1554 1579 N|直江兼续 1560 1620 S
柿崎景家 1513 1575 W|宇佐美定满 1489 1564 S|本庄繁长 1540 1614 G|斋藤朝信 1527 1592 G|武田信玄 1521 1573 L
武田胜赖 1546 1582 G|武田信繁 1525 1561 G|山本勘助 1493 1561 S|马场信房 1515 1575 G|高坂昌信 1527 1578 G
山县昌景 1529 1575 G|内藤昌丰 1522 1575 G|真田幸隆 1513 1574 S|真田昌幸 1547 1611 S|真田信之 1566 1658 G
真田幸村 1567 1615 W|板垣信方 1489 1548 G|甘利虎泰 1498 1548 G|饭富虎昌 1504 1565 W|秋山信友 1527 1575 G
今川义元 1519 1560 L|今川氏真 1538 1615 A|太原雪斋 1496 1555 S|冈部元信 1530 1581 G|织田信长 1534 1582 L
织田信忠 1557 1582 G|织田信雄 1558 1630 N|织田信孝 1558 1583 N|织田信秀 1511 1552 L|柴田胜家 1522 1583 W
丹羽长秀 1535 1585 A|泷川一益 1525 1586 G|明智光秀 1528 1582 S|前田利家 1538 1599 W|佐佐成政 1536 1588 G
森可成 1523 1570 W|森长可 1558 1584 W|森兰丸 1565 1582 N|池田恒兴 1536 1584 G|蜂屋赖隆 1534 1589 N
佐久间信盛 1528 1582 G|村井贞胜 1520 1582 A|河尻秀隆 1527 1582 G|丰臣秀吉 1537 1598 L|丰臣秀长 1540 1591 A
丰臣秀次 1568 1595 N|竹中重治 1544 1579 S|黑田孝高 1546 1604 S|黑田长政 1568 1623 G|蜂须贺正胜 1526 1586 A
加藤清正 1562 1611 W|福岛正则 1561 1624 W|石田三成 1560 1600 A|大谷吉继 1559 1600 S|小西行长 1558 1600 A
浅野长政 1547 1611 A|增田长盛 1545 1615 A|加藤嘉明 1563 1631 G|藤堂高虎 1556 1630 G|宇喜多秀家 1572 1655 N
岛左近 1540 1600 W|蒲生氏乡 1556 1595 L|山内一丰 1545 1605 A|堀秀政 1553 1590 G|中川清秀 1542 1583 W
德川家康 1543 1616 L|松平信康 1559 1579 G|酒井忠次 1527 1596 G|本多忠胜 1548 1610 W|榊原康政 1548 1606 G
井伊直政 1561 1602 W|石川数正 1533 1593 A|大久保忠世 1532 1594 G|鸟居元忠 1539 1600 G|本多正信 1538 1616 S
服部正成 1542 1597 W|德川秀忠 1579 1632 A|斋藤道三 1494 1556 S|斋藤义龙 1527 1561 G|斋藤龙兴 1548 1573 N
稻叶一铁 1515 1589 G|安藤守就 1503 1582 N|氏家卜全 1512 1571 N|浅井长政 1545 1573 G|浅井久政 1526 1573 N
矶野员昌 1523 1590 W|朝仓义景 1533 1573 A|朝仓宗滴 1477 1555 G|足利义辉 1536 1565 W|足利义昭 1537 1597 S
细川藤孝 1534 1610 A|细川忠兴 1563 1646 G|三好长庆 1522 1564 L|三好义继 1549 1573 N|松永久秀 1508 1577 S
三好长逸 1516 1573 N|筱原长房 1530 1573 G|安宅冬康 1528 1564 A|十河一存 1532 1561 W|六角义贤 1521 1598 L
六角义治 1545 1612 N|毛利元就 1497 1571 L|毛利隆元 1523 1563 A|毛利辉元 1553 1625 L|吉川元春 1530 1586 W
小早川隆景 1533 1597 S|吉川广家 1561 1625 G|安国寺惠琼 1539 1600 S|清水宗治 1537 1582 G|尼子晴久 1514 1561 L
尼子义久 1540 1610 N|山中幸盛 1545 1578 W|尼子胜久 1553 1578 N|大内义隆 1507 1551 A|陶晴贤 1521 1555 G
宇喜多直家 1529 1581 S|长宗我部元亲 1539 1599 L|长宗我部信亲 1565 1587 G|长宗我部盛亲 1575 1615 N|香宗我部亲泰 1543 1593 A
大友宗麟 1530 1587 L|大友义统 1558 1610 N|立花道雪 1513 1585 G|高桥绍运 1548 1586 G|立花宗茂 1567 1643 W
岛津贵久 1514 1571 L|岛津义久 1533 1611 L|岛津义弘 1535 1619 W|岛津岁久 1537 1592 S|岛津家久 1547 1587 G
岛津丰久 1570 1600 W|龙造寺隆信 1529 1584 L|锅岛直茂 1538 1618 S|有马晴信 1567 1612 N|大村纯忠 1533 1587 A
伊东义祐 1512 1585 L|相良义阳 1544 1581 N|铃木重秀 1546 1610 W|本愿寺显如 1543 1592 L|下间赖廉 1537 1626 G
筒井顺庆 1549 1584 A|姊小路赖纲 1540 1587 N|一条兼定 1543 1585 N|河野通直 1564 1587 N|北畠具教 1528 1576 W
九鬼嘉隆 1542 1600 G|村上武吉 1533 1604 G|别所长治 1558 1580 N|荒木村重 1535 1586 G|波多野秀治 1529 1579 N
赤井直正 1529 1578 W|前田利益 1543 1612 W|可儿吉长 1554 1613 W|后藤基次 1560 1615 W|柳生宗严 1529 1606 W
上泉信纲 1508 1577 W|塚原卜传 1489 1571 W|千利休 1522 1591 A|今井宗久 1520 1593 A|浓姬 1535 1612 N
"""

SURNAMES = """
阿部 安藤 饭田 井上 石川 石田 市川 今井 岩城 上田 上野 内田 远藤 大井 大野 大森 冈田 冈本 小笠原 奥平
小田 小野寺 葛西 片桐 金森 加藤 河田 木村 吉良 久保田 栗山 黑川 小岛 小林 近藤 坂井 佐藤 佐野 里见 志贺
柴田 岛田 清水 新发田 菅沼 杉原 铃木 关口 高木 高山 田中 谷口 千叶 土屋 筒井 寺泽 土井 富田 户田 内藤
长尾 中村 成田 西村 野村 长谷川 畠山 花房 平野 平冈 福原 藤田 古田 堀尾 本间 前野 牧野 增田 松井 松田
三浦 水野 宫部 村上 毛受 望月 森田 八木 安田 山口 山崎 山田 结城 横山 吉田 依田 和田 渡边 甲斐 粟屋
赤松 秋月 有吉 池田 生驹 稻叶 宇都宫 江户 大关 大道寺 冈野 荻原 织部 笠原 蒲池 蜷川 仙石 多贺谷 竹腰 大掾
""".split()
SHORT_SURNAMES = "堀 林 岛 森 原 上 关 堤 沼 南 辻 桥 浅 岸".split()

GIVEN_FIRST = list("信长秀家康胜重直忠义元景纲政宗光成高清正久盛広隆晴利辉孝吉定则昌贞氏亲经兼友通为宣")
GIVEN_SECOND = list("信长秀家康胜重直忠义元景纲政宗光成高清正久盛広隆晴利辉孝吉定则昌贞氏亲经兼友通次丸藏门助")

ARCHETYPES = {
    # leadership, valour, intellect, politics ranges
    "L": ((75, 110), (55, 100), (70, 110), (70, 110)),
    "G": ((75, 105), (70, 105), (50, 90), (30, 80)),
    "W": ((55, 95), (85, 115), (20, 70), (10, 60)),
    "S": ((50, 90), (20, 75), (85, 115), (55, 100)),
    "A": ((35, 80), (15, 65), (60, 100), (80, 115)),
    "N": ((25, 75), (25, 75), (25, 75), (20, 75)),
}


def abilities(rng, kind):
    ranges = ARCHETYPES[kind]
    values = [rng.randint(lo, hi) for lo, hi in ranges]
    return [max(1, min(120, v)) for v in values] + [rng.randint(1, 100)]


def main():
    out_path = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parents[2] / "assets" / "roster.txt"
    rng = random.Random(1582)
    real = []
    for chunk in REAL.strip().split("\n"):
        for entry in chunk.split("|"):
            name, birth, death, kind = entry.split()
            real.append((name, int(birth), int(death), kind))

    used = {n for n, *_ in FIRST + real + LAST}
    generated_count = TOTAL - len(FIRST) - len(real) - len(LAST)
    generated = []
    while len(generated) < generated_count:
        roll = rng.random()
        surname = rng.choice(SHORT_SURNAMES) if roll < 0.08 else rng.choice(SURNAMES)
        given = rng.choice(GIVEN_FIRST) + rng.choice(GIVEN_SECOND)
        name = surname + given
        if name in used:
            continue
        used.add(name)
        birth = rng.randint(1490, 1595)
        death = min(birth + rng.randint(22, 82), 1660)
        generated.append((name, birth, death, "N"))

    # Real figures spread among the made-up vassals, keeping the fixed first and last names in place.
    middle = generated[:]
    step = len(middle) // len(real)
    for i, officer in enumerate(real):
        middle.insert(i * (step + 1), officer)
    officers = FIRST + middle + LAST
    assert len(officers) == TOTAL

    lines = [
        "# Busho Editor: stand-in roster of the game's 1630 built-in officers, in officer-number order.",
        "# Our own data: real Sengoku-period figures with their known years and abilities estimated from",
        "# their repute, and made-up vassals for the rest. Not the game's roster.",
        "# Columns, separated by tabs: name, birth year, death year, leadership (统御), valour (武力),",
        "# intellect (智力), politics (政治) 1..120, duty (义理) 1..100, portrait number.",
    ]
    for number, (name, birth, death, kind) in enumerate(officers):
        lead, val, intel, pol, duty = abilities(rng, kind)
        lines.append("\t".join(str(x) for x in (name, birth, death, lead, val, intel, pol, duty, number)))
    out_path.write_text("\n".join(lines) + "\n", encoding="utf-8")


if __name__ == "__main__":
    main()
