<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="zh_CN">
<context>
    <name>BatchEditDialog</name>
    <message>
        <source>出自</source>
        <translation>出自</translation>
    </message>
    <message>
        <source>信仰</source>
        <translation>信仰</translation>
    </message>
    <message>
        <source>所属</source>
        <translation>所屬</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>登场/出场</source>
        <translation>登場/出場</translation>
    </message>
    <message>
        <source>适性：</source>
        <translation>適性：</translation>
    </message>
    <message>
        <source>战法：</source>
        <translation>戰法：</translation>
    </message>
    <message>
        <source>批量修改</source>
        <translation>批量修改</translation>
    </message>
    <message>
        <source>为选中的 %1 名武将设定：</source>
        <translation>為選中的 %1 名武將設定：</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>设为</source>
        <translation>設為</translation>
    </message>
</context>
<context>
    <name>EditorWindow</name>
    <message>
        <source>随机武将</source>
        <translation>隨機武將</translation>
    </message>
    <message>
        <source>头像</source>
        <translation>頭像</translation>
    </message>
    <message>
        <source>CG号</source>
        <translation>CG號</translation>
    </message>
    <message>
        <source>选择头像</source>
        <translation>選擇頭像</translation>
    </message>
    <message>
        <source>中日文译</source>
        <translation>中日文譯</translation>
    </message>
    <message>
        <source>输入繁体字内容请打√</source>
        <translation>輸入繁體字內容請打√</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>打开存档</source>
        <translation>開啟存檔</translation>
    </message>
    <message>
        <source>目标文件为:</source>
        <translation>目標檔案為:</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>姓名与生平</source>
        <translation>姓名與生平</translation>
    </message>
    <message>
        <source>姓</source>
        <translation>姓</translation>
    </message>
    <message>
        <source>姓音:</source>
        <translation>姓音:</translation>
    </message>
    <message>
        <source>性别</source>
        <translation>性別</translation>
    </message>
    <message>
        <source>名</source>
        <translation>名</translation>
    </message>
    <message>
        <source>名音:</source>
        <translation>名音:</translation>
    </message>
    <message>
        <source>诞生年</source>
        <translation>誕生年</translation>
    </message>
    <message>
        <source>死亡年</source>
        <translation>死亡年</translation>
    </message>
    <message>
        <source>列传</source>
        <translation>列傳</translation>
    </message>
    <message>
        <source>声音</source>
        <translation>聲音</translation>
    </message>
    <message>
        <source>能力</source>
        <translation>能力</translation>
    </message>
    <message>
        <source>统御</source>
        <translation>統御</translation>
    </message>
    <message>
        <source>武力</source>
        <translation>武力</translation>
    </message>
    <message>
        <source>智力</source>
        <translation>智力</translation>
    </message>
    <message>
        <source>政治</source>
        <translation>政治</translation>
    </message>
    <message>
        <source>义理</source>
        <translation>義理</translation>
    </message>
    <message>
        <source>适性</source>
        <translation>適性</translation>
    </message>
    <message>
        <source>战法</source>
        <translation>戰法</translation>
    </message>
    <message>
        <source>战法全满</source>
        <translation>戰法全滿</translation>
    </message>
    <message>
        <source>关系</source>
        <translation>關係</translation>
    </message>
    <message>
        <source>实    父</source>
        <translation>實    父</translation>
    </message>
    <message>
        <source>×</source>
        <translation>×</translation>
    </message>
    <message>
        <source>相性武将</source>
        <translation>相性武將</translation>
    </message>
    <message>
        <source>亲爱武将</source>
        <translation>親愛武將</translation>
    </message>
    <message>
        <source>亲爱武将二</source>
        <translation>親愛武將二</translation>
    </message>
    <message>
        <source>嫌恶武将</source>
        <translation>嫌惡武將</translation>
    </message>
    <message>
        <source>嫌恶武将二</source>
        <translation>嫌惡武將二</translation>
    </message>
    <message>
        <source>选</source>
        <translation>選</translation>
    </message>
    <message>
        <source>身份</source>
        <translation>身份</translation>
    </message>
    <message>
        <source>出    自</source>
        <translation>出    自</translation>
    </message>
    <message>
        <source>信    仰</source>
        <translation>信    仰</translation>
    </message>
    <message>
        <source>所    属</source>
        <translation>所    屬</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>状    态</source>
        <translation>狀    態</translation>
    </message>
    <message>
        <source>登场/出场</source>
        <translation>登場/出場</translation>
    </message>
    <message>
        <source>系统</source>
        <translation>系統</translation>
    </message>
    <message>
        <source>语言 / Language</source>
        <translation>語言 / Language</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>幫助</translation>
    </message>
    <message>
        <source>说明文档</source>
        <translation>說明文件</translation>
    </message>
</context>
<context>
    <name>InterfaceTexts</name>
    <message>
        <source>请先打开武将存档文件!!!!如果没有武将存档,请先运行游戏进入登陆武将一次!!</source>
        <comment>kTextOpenFirst</comment>
        <translation>請先開啟武將存檔!!!!如果沒有武將存檔,請先執行遊戲進入登錄武將一次!!</translation>
    </message>
    <message>
        <source>选择错误</source>
        <comment>kTitleWrongChoice</comment>
        <translation>選擇錯誤</translation>
    </message>
    <message>
        <source>已经备份原有武将库为：</source>
        <comment>kTextBackedUp</comment>
        <translation>已經備份原有武將庫為：</translation>
    </message>
    <message>
        <source>提示</source>
        <comment>kTitleNotice</comment>
        <translation>提示</translation>
    </message>
    <message>
        <source>OVer</source>
        <comment>kTextOver</comment>
        <translation>OVer</translation>
    </message>
    <message>
        <source>载入中 - - - - - - -- - - - - </source>
        <comment>kTextLoadingCaption</comment>
        <translation>載入中 - - - - - - -- - - - - </translation>
    </message>
    <message>
        <source>读取错误</source>
        <comment>kTitleLoadError</comment>
        <translation>讀取錯誤</translation>
    </message>
    <message>
        <source>无法读取武将存档，武将表保持不变：</source>
        <comment>kTextLoadFailed</comment>
        <translation>無法讀取武將存檔，武將表保持不變：</translation>
    </message>
    <message>
        <source>保存错误</source>
        <comment>kTitleSaveError</comment>
        <translation>儲存錯誤</translation>
    </message>
    <message>
        <source>无法备份武将存档，未写入任何内容：</source>
        <comment>kTextBackupFailed</comment>
        <translation>無法備份武將存檔，未寫入任何內容：</translation>
    </message>
    <message>
        <source>无法写入武将存档，原存档和备份均未改变：</source>
        <comment>kTextWriteFailed</comment>
        <translation>無法寫入武將存檔，原存檔和備份均未改變：</translation>
    </message>
    <message>
        <source>文件夹不存在</source>
        <comment>kReasonNoFolder</comment>
        <translation>資料夾不存在</translation>
    </message>
    <message>
        <source>无法打开或创建文件</source>
        <comment>kReasonCannotOpen</comment>
        <translation>無法開啟或建立檔案</translation>
    </message>
    <message>
        <source>无法读取文件</source>
        <comment>kReasonCannotRead</comment>
        <translation>無法讀取檔案</translation>
    </message>
    <message>
        <source>第 %1 号武将的战法数为 %2，超出 0～31</source>
        <comment>kReasonTacticCount</comment>
        <translation>第 %1 號武將的戰法數為 %2，超出 0～31</translation>
    </message>
    <message>
        <source>第 %1 号武将的亲爱武将数为 %2，超出 0～2</source>
        <comment>kReasonLikedCount</comment>
        <translation>第 %1 號武將的親愛武將數為 %2，超出 0～2</translation>
    </message>
    <message>
        <source>第 %1 号武将的嫌恶武将数为 %2，超出 0～2</source>
        <comment>kReasonDislikedCount</comment>
        <translation>第 %1 號武將的嫌惡武將數為 %2，超出 0～2</translation>
    </message>
    <message>
        <source>第 %1 号武将的数据不完整：文件在偏移 %2 处结束</source>
        <comment>kReasonCutOff</comment>
        <translation>第 %1 號武將的資料不完整：檔案在偏移 %2 處結束</translation>
    </message>
    <message>
        <source>存档中有 1000 名武将而没有结束标记，超出武将表的容量</source>
        <comment>kReasonNoEndMarker</comment>
        <translation>存檔中有 1000 名武將而沒有結束標記，超出武將表的容量</translation>
    </message>
    <message>
        <source>原存档不存在</source>
        <comment>kReasonNoOriginal</comment>
        <translation>原存檔不存在</translation>
    </message>
    <message>
        <source>无法创建新文件</source>
        <comment>kReasonCannotCreateNew</comment>
        <translation>無法建立新檔案</translation>
    </message>
    <message>
        <source>写入中途失败</source>
        <comment>kReasonWriteCutShort</comment>
        <translation>寫入中途失敗</translation>
    </message>
    <message>
        <source>无法用新文件替换原文件%1</source>
        <comment>kReasonCannotReplace</comment>
        <translation>無法用新檔案替換原檔案%1</translation>
    </message>
    <message>
        <source>无法复制文件</source>
        <comment>kReasonCannotCopy</comment>
        <translation>無法複製檔案</translation>
    </message>
    <message>
        <source>无法复制文件：</source>
        <comment>kReasonCannotCopyBecause</comment>
        <translation>無法複製檔案：</translation>
    </message>
    <message>
        <source>打开CG文件错误!!请确认你是否是在革新游戏目录下运行!!</source>
        <comment>kTextOpenFaceFailed</comment>
        <translation>開啟CG檔案錯誤!!請確認你是否是在革新遊戲目錄下執行!!</translation>
    </message>
    <message>
        <source>文件太短，容不下头像档案的文件头</source>
        <comment>kReasonFaceFileShort</comment>
        <translation>檔案太短，容不下頭像檔案的檔案頭</translation>
    </message>
    <message>
        <source>头像数小于 1：%1</source>
        <comment>kReasonFaceCountBelowOne</comment>
        <translation>頭像數小於 1：%1</translation>
    </message>
    <message>
        <source>头像数超出文件所能容纳的数目：%1</source>
        <comment>kReasonFaceCountTooLarge</comment>
        <translation>頭像數超出檔案所能容納的數目：%1</translation>
    </message>
    <message>
        <source>头像编号超出档案范围：%1 / %2</source>
        <comment>kReasonFaceIndexOutside</comment>
        <translation>頭像編號超出檔案範圍：%1 / %2</translation>
    </message>
    <message>
        <source>第 %1 号头像的位置在文件之外：%2</source>
        <comment>kReasonFaceOffsetOutside</comment>
        <translation>第 %1 號頭像的位置在檔案之外：%2</translation>
    </message>
    <message>
        <source>第 %1 号头像的像素数据超出文件末尾</source>
        <comment>kReasonFacePixelsPastEnd</comment>
        <translation>第 %1 號頭像的像素資料超出檔案末尾</translation>
    </message>
    <message>
        <source>第 %1 号头像的高度大于存储的行数：%2 &gt; %3</source>
        <comment>kReasonFaceHeightOverRows</comment>
        <translation>第 %1 號頭像的高度大於儲存的行數：%2 &gt; %3</translation>
    </message>
    <message>
        <source>第 %1 号头像的尺寸不合理：%2x%3, %4x%5</source>
        <comment>kReasonFaceBadSize</comment>
        <translation>第 %1 號頭像的尺寸不合理：%2x%3, %4x%5</translation>
    </message>
    <message>
        <source>不是普通文件</source>
        <comment>kReasonNotRegularFile</comment>
        <translation>不是普通檔案</translation>
    </message>
    <message>
        <source>文件超过上限 %1 字节</source>
        <comment>kReasonFileTooLarge</comment>
        <translation>檔案超過上限 %1 位元組</translation>
    </message>
    <message>
        <source>文件短于 %1 字节</source>
        <comment>kReasonFileTooShort</comment>
        <translation>檔案短於 %1 位元組</translation>
    </message>
    <message>
        <source>无法将文件写入磁盘</source>
        <comment>kReasonCannotFlush</comment>
        <translation>無法將檔案寫入磁碟</translation>
    </message>
    <message>
        <source>无法关闭文件</source>
        <comment>kReasonCannotClose</comment>
        <translation>無法關閉檔案</translation>
    </message>
    <message>
        <source>无法将文件夹写入磁盘</source>
        <comment>kReasonFolderNotFlushed</comment>
        <translation>無法將資料夾寫入磁碟</translation>
    </message>
    <message>
        <source>已用新文件替换武将存档，但无法确认已写入磁盘：</source>
        <comment>kTextReplacedNotFlushed</comment>
        <translation>已用新檔案替換武將存檔，但無法確認已寫入磁碟：</translation>
    </message>
    <message>
        <source>无法读取空白武将数据 BK.DAT，未写入任何内容：</source>
        <comment>kTextBlankSlotMissing</comment>
        <translation>無法讀取空白武將資料 BK.DAT，未寫入任何內容：</translation>
    </message>
    <message>
        <source>无法删除文件%1</source>
        <comment>kReasonCannotRemove</comment>
        <translation>無法刪除檔案%1</translation>
    </message>
    <message>
        <source>无法恢复这个备份，武将存档未改变：</source>
        <comment>kTextRestoreFailed</comment>
        <translation>無法恢復這個備份，武將存檔未改變：</translation>
    </message>
    <message>
        <source>恢复备份…</source>
        <comment>kMenuRestoreBackup</comment>
        <translation>恢復備份…</translation>
    </message>
    <message>
        <source>恢复备份</source>
        <comment>kTitleRestoreBackup</comment>
        <translation>恢復備份</translation>
    </message>
    <message>
        <source>备份文件</source>
        <comment>kBackupColumnFile</comment>
        <translation>備份檔案</translation>
    </message>
    <message>
        <source>备份时间</source>
        <comment>kBackupColumnDate</comment>
        <translation>備份時間</translation>
    </message>
    <message>
        <source>武将数</source>
        <comment>kBackupColumnOfficers</comment>
        <translation>武將數</translation>
    </message>
    <message>
        <source>此后的改动（到当前存档）</source>
        <comment>kBackupColumnSince</comment>
        <translation>此後的改動（到當前存檔）</translation>
    </message>
    <message>
        <source>%1（最新）</source>
        <comment>kBackupNewest</comment>
        <translation>%1（最新）</translation>
    </message>
    <message>
        <source>与当前存档相同</source>
        <comment>kBackupNoChange</comment>
        <translation>與當前存檔相同</translation>
    </message>
    <message>
        <source>新增 %1 名，删除 %2 名，修改 %3 名</source>
        <comment>kBackupChanges</comment>
        <translation>新增 %1 名，刪除 %2 名，修改 %3 名</translation>
    </message>
    <message>
        <source>文件头不同</source>
        <comment>kBackupHeaderChanged</comment>
        <translation>檔案頭不同</translation>
    </message>
    <message>
        <source>无法读取：</source>
        <comment>kBackupUnreadable</comment>
        <translation>無法讀取：</translation>
    </message>
    <message>
        <source>无法读取当前存档，不能比较</source>
        <comment>kBackupCurrentUnreadable</comment>
        <translation>無法讀取當前存檔，不能比較</translation>
    </message>
    <message>
        <source>这个存档还没有备份。每次保存时，原有存档会备份在它旁边。</source>
        <comment>kBackupNone</comment>
        <translation>這個存檔還沒有備份。每次儲存時，原有存檔會備份在它旁邊。</translation>
    </message>
    <message>
        <source>第 %1 号 %2：新增</source>
        <comment>kBackupOfficerAdded</comment>
        <translation>第 %1 號 %2：新增</translation>
    </message>
    <message>
        <source>第 %1 号 %2：删除</source>
        <comment>kBackupOfficerRemoved</comment>
        <translation>第 %1 號 %2：刪除</translation>
    </message>
    <message>
        <source>第 %1 号 %2：%3  %4 → %5</source>
        <comment>kBackupFieldChanged</comment>
        <translation>第 %1 號 %2：%3  %4 → %5</translation>
    </message>
    <message>
        <source>保留带日期的备份：</source>
        <comment>kBackupKeepLabel</comment>
        <translation>保留帶日期的備份：</translation>
    </message>
    <message>
        <source>恢复</source>
        <comment>kBackupRestoreButton</comment>
        <translation>恢復</translation>
    </message>
    <message>
        <source>关闭</source>
        <comment>kBackupCloseButton</comment>
        <translation>關閉</translation>
    </message>
    <message>
        <source>用这个备份替换当前武将存档吗？<byte value="xd"/>%1<byte value="xd"/>当前存档会先成为最新的备份，以后还可以恢复。</source>
        <comment>kBackupRestoreQuestion</comment>
        <translation>用這個備份替換當前武將存檔嗎？<byte value="xd"/>%1<byte value="xd"/>當前存檔會先成為最新的備份，以後還可以恢復。</translation>
    </message>
    <message>
        <source>本多</source>
        <comment>kBlankFamilyName</comment>
        <translation>本多</translation>
    </message>
    <message>
        <source>柯尔</source>
        <comment>kBlankGivenName</comment>
        <translation>柯尔</translation>
    </message>
    <message>
        <source>本多家一柯尔也,猪头,猪脑,猪屁屁</source>
        <comment>kBlankBiography</comment>
        <translation>本多家一柯尔也,猪头,猪脑,猪屁屁</translation>
    </message>
    <message>
        <source>1555年 尾张統一</source>
        <comment>kScenario1555</comment>
        <translation>1555年 尾張統一</translation>
    </message>
    <message>
        <source>1561年 龍虎相擊つ</source>
        <comment>kScenario1561</comment>
        <translation>1561年 龍虎相擊</translation>
    </message>
    <message>
        <source>1570年 義弟離反</source>
        <comment>kScenario1570</comment>
        <translation>1570年 義弟離反</translation>
    </message>
    <message>
        <source>1582年 梦幻の如く</source>
        <comment>kScenario1582</comment>
        <translation>1582年 夢幻如斯</translation>
    </message>
    <message>
        <source>嵗</source>
        <comment>kAgeSuffix</comment>
        <translation>歲</translation>
    </message>
    <message>
        <source>  元服前</source>
        <comment>kNotOfAge</comment>
        <translation>  元服前</translation>
    </message>
    <message>
        <source>革新QorvaneFOR [中日文PK通用版V1222]!</source>
        <comment>kAppTitleBase</comment>
        <translation>革新QorvaneFOR [中日文PK通用版V1222]!</translation>
    </message>
    <message>
        <source>   中文版修改</source>
        <comment>kAppTitleTc</comment>
        <translation>   中文版修改</translation>
    </message>
    <message>
        <source>   日文版修改</source>
        <comment>kAppTitleJp</comment>
        <translation>   日文版修改</translation>
    </message>
    <message>
        <source>数据读入中- - - - - - -</source>
        <comment>kReadingRowCaption</comment>
        <translation>資料讀入中- - - - - - -</translation>
    </message>
    <message>
        <source>武将一览表</source>
        <comment>kListCaption</comment>
        <translation>武將一覽表</translation>
    </message>
    <message>
        <source>继续吗??</source>
        <comment>kContinueQuestion</comment>
        <translation>繼續嗎??</translation>
    </message>
    <message>
        <source>无法读取代码表，游戏文字将无法正确转换：</source>
        <comment>kTextTablesMissing</comment>
        <translation>無法讀取代碼表，遊戲文字將無法正確轉換：</translation>
    </message>
    <message>
        <source>代码表错误</source>
        <comment>kTitleTables</comment>
        <translation>代碼表錯誤</translation>
    </message>
    <message>
        <source>姓 输入不符，１－3个汉字</source>
        <comment>kFamilyNameRefused</comment>
        <translation>姓 輸入不符，１－3個漢字</translation>
    </message>
    <message>
        <source>名 输入不符，１－3个汉字</source>
        <comment>kGivenNameRefused</comment>
        <translation>名 輸入不符，１－3個漢字</translation>
    </message>
    <message>
        <source>战国神秘的武将人物！</source>
        <comment>kDefaultBiography</comment>
        <translation>战国神秘的武将人物！</translation>
    </message>
    <message>
        <source>尚没有登录武将！！</source>
        <comment>kNoOfficerHere</comment>
        <translation>尚沒有登錄武將！！</translation>
    </message>
    <message>
        <source>武将已满（最多 999 名），无法再添加</source>
        <comment>kTableFull</comment>
        <translation>武將已滿（最多 999 名），無法再添加</translation>
    </message>
    <message>
        <source>%1 输入不符，请输入 -2147483648～2147483647 之间的整数</source>
        <comment>kNumberRefused</comment>
        <translation>%1 輸入不符，請輸入 -2147483648～2147483647 之間的整數</translation>
    </message>
    <message>
        <source>统御</source>
        <comment>kLabelLeadership</comment>
        <translation>統御</translation>
    </message>
    <message>
        <source>武力</source>
        <comment>kLabelValour</comment>
        <translation>武力</translation>
    </message>
    <message>
        <source>智力</source>
        <comment>kLabelIntellect</comment>
        <translation>智力</translation>
    </message>
    <message>
        <source>政治</source>
        <comment>kLabelPolitics</comment>
        <translation>政治</translation>
    </message>
    <message>
        <source>义理</source>
        <comment>kLabelDuty</comment>
        <translation>義理</translation>
    </message>
    <message>
        <source>诞生年</source>
        <comment>kLabelBirthYear</comment>
        <translation>誕生年</translation>
    </message>
    <message>
        <source>死亡年</source>
        <comment>kLabelDeathYear</comment>
        <translation>死亡年</translation>
    </message>
    <message>
        <source>，战国神秘的武将人物！</source>
        <comment>kRandomBiographyEnd</comment>
        <translation>，战国神秘的武将人物！</translation>
    </message>
    <message>
        <source>下列文字无法按原样保存，将变为？或被删去：</source>
        <comment>kCharactersNotKept</comment>
        <translation>下列文字無法按原樣儲存，將變為？或被刪除：</translation>
    </message>
    <message>
        <source>姓</source>
        <comment>kFieldFamilyName</comment>
        <translation>姓</translation>
    </message>
    <message>
        <source>名</source>
        <comment>kFieldGivenName</comment>
        <translation>名</translation>
    </message>
    <message>
        <source>姓音</source>
        <comment>kFieldFamilyReading</comment>
        <translation>姓音</translation>
    </message>
    <message>
        <source>名音</source>
        <comment>kFieldGivenReading</comment>
        <translation>名音</translation>
    </message>
    <message>
        <source>列传</source>
        <comment>kFieldBiography</comment>
        <translation>列傳</translation>
    </message>
    <message>
        <source>下列数值超出游戏使用的范围：</source>
        <comment>kOutsideGameRange</comment>
        <translation>下列數值超出遊戲使用的範圍：</translation>
    </message>
    <message>
        <source>，游戏使用 </source>
        <comment>kGameUses</comment>
        <translation>，遊戲使用 </translation>
    </message>
    <message>
        <source>～</source>
        <comment>kRangeDash</comment>
        <translation>～</translation>
    </message>
    <message>
        <source> 早于诞生年 </source>
        <comment>kEarlierThanBirth</comment>
        <translation> 早於誕生年 </translation>
    </message>
    <message>
        <source>仍要保存吗？</source>
        <comment>kGoOnQuestion</comment>
        <translation>仍要儲存嗎？</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>%2</source>
        <comment>kCommitQuestion</comment>
        <translation>%1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>列传太长：最多 146 字节（73 个汉字），现有 %1 个字（%2 字节）</source>
        <comment>kBiographyTooLong</comment>
        <translation>列傳太長：最多 146 位元組（73 個漢字），現有 %1 個字（%2 位元組）</translation>
    </message>
    <message>
        <source>姓音 输入不符，最多 9 个假名</source>
        <comment>kFamilyReadingRefused</comment>
        <translation>姓音 輸入不符，最多 9 個假名</translation>
    </message>
    <message>
        <source>名音 输入不符，最多 9 个假名</source>
        <comment>kGivenReadingRefused</comment>
        <translation>名音 輸入不符，最多 9 個假名</translation>
    </message>
    <message>
        <source>没有找到这个名字的武将</source>
        <comment>kSearchNoMatch</comment>
        <translation>沒有找到這個名字的武將</translation>
    </message>
    <message>
        <source>修改 %1</source>
        <comment>kEditModify</comment>
        <translation>修改 %1</translation>
    </message>
    <message>
        <source>添加 %1</source>
        <comment>kEditAdd</comment>
        <translation>添加 %1</translation>
    </message>
    <message>
        <source>更改头像 %1</source>
        <comment>kEditPortrait</comment>
        <translation>更改頭像 %1</translation>
    </message>
    <message>
        <source>导入 %1 行</source>
        <comment>kEditImport</comment>
        <translation>匯入 %1 行</translation>
    </message>
    <message>
        <source>编辑</source>
        <comment>kMenuEdit</comment>
        <translation>編輯</translation>
    </message>
    <message>
        <source>撤销</source>
        <comment>kMenuUndo</comment>
        <translation>復原</translation>
    </message>
    <message>
        <source>重做</source>
        <comment>kMenuRedo</comment>
        <translation>重做</translation>
    </message>
    <message>
        <source>保存</source>
        <comment>kButtonSave</comment>
        <translation>儲存</translation>
    </message>
    <message>
        <source>不保存</source>
        <comment>kButtonDontSave</comment>
        <translation>不儲存</translation>
    </message>
    <message>
        <source>修改</source>
        <comment>kButtonCommit</comment>
        <translation>修改</translation>
    </message>
    <message>
        <source>不修改</source>
        <comment>kButtonDontCommit</comment>
        <translation>不修改</translation>
    </message>
    <message>
        <source>取消</source>
        <comment>kButtonCancel</comment>
        <translation>取消</translation>
    </message>
    <message>
        <source>武将表有尚未保存到武将存档的修改。要先保存吗？</source>
        <comment>kUnsavedQuestion</comment>
        <translation>武將表有尚未儲存到武將存檔的修改。要先儲存嗎？</translation>
    </message>
    <message>
        <source>编辑框中 %1 的改动尚未修改到武将表。要先修改吗？</source>
        <comment>kUncommittedQuestion</comment>
        <translation>編輯框中 %1 的改動尚未修改到武將表。要先修改嗎？</translation>
    </message>
    <message>
        <source>编辑框中的改动尚未修改到武将表，%1后将不再显示。继续吗？</source>
        <comment>kStepDropsEditsQuestion</comment>
        <translation>編輯框中的改動尚未修改到武將表，%1後將不再顯示。繼續嗎？</translation>
    </message>
    <message>
        <source>语音</source>
        <comment>kTitleVoice</comment>
        <translation>語音</translation>
    </message>
    <message>
        <source>无法播放语音样本：</source>
        <comment>kTextVoiceNotPlayed</comment>
        <translation>無法播放語音樣本：</translation>
    </message>
    <message>
        <source>本机没有找到声音输出设备，语音样本可能听不到：</source>
        <comment>kTextNoAudioOutput</comment>
        <translation>本機沒有找到聲音輸出裝置，語音樣本可能聽不到：</translation>
    </message>
    <message>
        <source>
语音选项照常可以选择；本次运行不再提示。</source>
        <comment>kTextVoicesStillSelect</comment>
        <translation>
語音選項照常可以選擇；本次執行不再提示。</translation>
    </message>
    <message>
        <source>找不到这个语音文件，请确认游戏文件夹正确。</source>
        <comment>kReasonVoiceFileMissing</comment>
        <translation>找不到這個語音檔案，請確認遊戲資料夾正確。</translation>
    </message>
    <message>
        <source>这个语音文件无法解码。</source>
        <comment>kReasonVoiceUndecodable</comment>
        <translation>這個語音檔案無法解碼。</translation>
    </message>
    <message>
        <source>媒体后端报告：</source>
        <comment>kReasonMediaBackendSays</comment>
        <translation>媒體後端報告：</translation>
    </message>
    <message>
        <source>请检查声卡和声音服务（PulseAudio 或 PipeWire）。</source>
        <comment>kReasonCheckSoundService</comment>
        <translation>請檢查音效卡和聲音服務（PulseAudio 或 PipeWire）。</translation>
    </message>
    <message>
        <source>如果缺少解码器或声音输出，请安装软件包 gstreamer1.0-plugins-good 和 gstreamer1.0-alsa（或 gstreamer1.0-pulseaudio），然后重新启动编辑器。</source>
        <comment>kReasonInstallGstreamerPlugins</comment>
        <translation>如果缺少解碼器或聲音輸出，請安裝套件 gstreamer1.0-plugins-good 和 gstreamer1.0-alsa（或 gstreamer1.0-pulseaudio），然後重新啟動編輯器。</translation>
    </message>
    <message>
        <source>GStreamer 无法初始化（%1）。</source>
        <comment>kReasonGstreamerCannotStart</comment>
        <translation>GStreamer 無法初始化（%1）。</translation>
    </message>
    <message>
        <source>缺少 GStreamer 组件 %1。请安装软件包 %2，然后重新启动编辑器。</source>
        <comment>kReasonGstreamerPiecesMissing</comment>
        <translation>缺少 GStreamer 元件 %1。請安裝套件 %2，然後重新啟動編輯器。</translation>
    </message>
    <message>
        <source>找不到说明文档：</source>
        <comment>kTextReadmeMissing</comment>
        <translation>找不到說明文件：</translation>
    </message>
    <message>
        <source>无法读取说明文档：</source>
        <comment>kTextReadmeUnreadable</comment>
        <translation>無法讀取說明文件：</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>kTextAsIs</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1%2</source>
        <comment>kTextJoined</comment>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/></source>
        <comment>kTextOpenFaceFailedAt</comment>
        <translation>%1<byte value="xd"/></translation>
    </message>
    <message>
        <source>cannot read the spreadsheet: </source>
        <comment>kTableCannotRead</comment>
        <translation>cannot read the spreadsheet: </translation>
    </message>
    <message>
        <source>JSON: %1</source>
        <comment>kTableJsonSyntax</comment>
        <translation>JSON: %1</translation>
    </message>
    <message>
        <source>JSON: a value is neither a string nor a number</source>
        <comment>kTableJsonNested</comment>
        <translation>JSON: a value is neither a string nor a number</translation>
    </message>
    <message>
        <source>JSON: more objects than an officer file holds</source>
        <comment>kTableJsonTooManyObjects</comment>
        <translation>JSON: more objects than an officer file holds</translation>
    </message>
    <message>
        <source>JSON: too many values in an object</source>
        <comment>kTableJsonTooManyValues</comment>
        <translation>JSON: too many values in an object</translation>
    </message>
    <message>
        <source>JSON: expected an array of objects</source>
        <comment>kTableJsonNotArray</comment>
        <translation>JSON: expected an array of objects</translation>
    </message>
    <message>
        <source>JSON: object %1 is not an object</source>
        <comment>kTableJsonNotObject</comment>
        <translation>JSON: object %1 is not an object</translation>
    </message>
    <message>
        <source>JSON: object %1, &quot;%2&quot;: expected a string or a number</source>
        <comment>kTableJsonBadValue</comment>
        <translation>JSON: object %1, &quot;%2&quot;: expected a string or a number</translation>
    </message>
    <message>
        <source>CSV: more than %1 rows, more than an officer file holds</source>
        <comment>kTableCsvTooManyRows</comment>
        <translation>CSV: more than %1 rows, more than an officer file holds</translation>
    </message>
    <message>
        <source>CSV: line %1 has more than %2 cells</source>
        <comment>kTableCsvTooManyCells</comment>
        <translation>CSV: line %1 has more than %2 cells</translation>
    </message>
    <message>
        <source>CSV: a quoted cell is not closed</source>
        <comment>kTableCsvQuoteOpen</comment>
        <translation>CSV: a quoted cell is not closed</translation>
    </message>
    <message>
        <source>CSV: no header row</source>
        <comment>kTableCsvNoHeader</comment>
        <translation>CSV: no header row</translation>
    </message>
    <message>
        <source>CSV: line %1 has more cells than the header</source>
        <comment>kTableCsvCellsBeyondHeader</comment>
        <translation>CSV: line %1 has more cells than the header</translation>
    </message>
    <message>
        <source>the spreadsheet is text in none of UTF-8, GBK, Big5 and Shift-JIS</source>
        <comment>kTableNotText</comment>
        <translation>the spreadsheet is text in none of UTF-8, GBK, Big5 and Shift-JIS</translation>
    </message>
    <message>
        <source>the spreadsheet is not %1 text (line %2)</source>
        <comment>kTableNotInEncoding</comment>
        <translation>the spreadsheet is not %1 text (line %2)</translation>
    </message>
    <message>
        <source>%1 cannot hold these characters of the rows, written as ?: %2</source>
        <comment>kTableEncodingLacks</comment>
        <translation>%1 cannot hold these characters of the rows, written as ?: %2</translation>
    </message>
    <message>
        <source>row %1, column %2, value &quot;%3&quot;: </source>
        <comment>kRowProblem</comment>
        <translation>row %1, column %2, value &quot;%3&quot;: </translation>
    </message>
    <message>
        <source>未知的列</source>
        <comment>kColumnUnknown</comment>
        <translation>未知的列</translation>
    </message>
    <message>
        <source>不是正整数</source>
        <comment>kCellNotPositive</comment>
        <translation>不是正整數</translation>
    </message>
    <message>
        <source>含有 GBK 中没有的字</source>
        <comment>kCellNotGbk</comment>
        <translation>含有 GBK 中沒有的字</translation>
    </message>
    <message>
        <source>不是列表中的一项</source>
        <comment>kCellNotInList</comment>
        <translation>不是清單中的一項</translation>
    </message>
    <message>
        <source>不是整数</source>
        <comment>kCellNotInteger</comment>
        <translation>不是整數</translation>
    </message>
    <message>
        <source>最多两名武将</source>
        <comment>kCellTwoOfficersAtMost</comment>
        <translation>最多兩名武將</translation>
    </message>
    <message>
        <source>不是武将编号（0～1629 或 10000～10999）</source>
        <comment>kCellNotOfficer</comment>
        <translation>不是武將編號（0～1629 或 10000～10999）</translation>
    </message>
    <message>
        <source>不是 0～32767 的头像编号</source>
        <comment>kCellNotPortrait</comment>
        <translation>不是 0～32767 的頭像編號</translation>
    </message>
    <message>
        <source>不是武将编号（0～1629 或 10000～10999）或“无”</source>
        <comment>kCellNotOfficerOrNone</comment>
        <translation>不是武將編號（0～1629 或 10000～10999）或“无”</translation>
    </message>
    <message>
        <source>不是内置武将编号（0～1629）</source>
        <comment>kCellNotBuiltInOfficer</comment>
        <translation>不是內建武將編號（0～1629）</translation>
    </message>
    <message>
        <source>需要九个等级（S A B C D）</source>
        <comment>kCellNeedsNineRanks</comment>
        <translation>需要九個等級（S A B C D）</translation>
    </message>
    <message>
        <source>等级只能是 S A B C D</source>
        <comment>kCellRankLetters</comment>
        <translation>等級只能是 S A B C D</translation>
    </message>
    <message>
        <source>战法编号只能是 0～29</source>
        <comment>kCellTacticNumbers</comment>
        <translation>戰法編號只能是 0～29</translation>
    </message>
    <message>
        <source>删除 %1</source>
        <comment>kEditDelete</comment>
        <translation>刪除 %1</translation>
    </message>
    <message>
        <source>删除 %1 名武将</source>
        <comment>kEditDeleteMany</comment>
        <translation>刪除 %1 名武將</translation>
    </message>
    <message>
        <source>复制 %1</source>
        <comment>kEditDuplicate</comment>
        <translation>複製 %1</translation>
    </message>
    <message>
        <source>复制 %1 名武将</source>
        <comment>kEditDuplicateMany</comment>
        <translation>複製 %1 名武將</translation>
    </message>
    <message>
        <source>移动 %1 到第 %2 位</source>
        <comment>kEditMove</comment>
        <translation>移動 %1 到第 %2 位</translation>
    </message>
    <message>
        <source>移动 %1</source>
        <comment>kEditMoveOne</comment>
        <translation>移動 %1</translation>
    </message>
    <message>
        <source>移动 %1 名武将</source>
        <comment>kEditMoveMany</comment>
        <translation>移動 %1 名武將</translation>
    </message>
    <message>
        <source>批量修改 %1 名武将的%2</source>
        <comment>kEditBatch</comment>
        <translation>批量修改 %1 名武將的%2</translation>
    </message>
    <message>
        <source>第 %1 号不是武将：武将表中有 %2 名武将</source>
        <comment>kNotAnOfficerSlot</comment>
        <translation>第 %1 號不是武將：武將表中有 %2 名武將</translation>
    </message>
    <message>
        <source>没有选中武将</source>
        <comment>kNoOfficerChosen</comment>
        <translation>沒有選中武將</translation>
    </message>
    <message>
        <source>删除下列武将吗？
%1</source>
        <comment>kDeleteQuestion</comment>
        <translation>刪除下列武將嗎？
%1</translation>
    </message>
    <message>
        <source>

下列武将的实父、亲爱或嫌恶武将指向被删除的武将，将被清除：
%1</source>
        <comment>kDeleteRelationsCleared</comment>
        <translation>

下列武將的實父、親愛或嫌惡武將指向被刪除的武將，將被清除：
%1</translation>
    </message>
    <message>
        <source>这个值不在列表中</source>
        <comment>kBatchValueOutside</comment>
        <translation>這個值不在清單中</translation>
    </message>
    <message>
        <source>不在列表中（%1～%2）</source>
        <comment>kCheckNotInList</comment>
        <translation>不在清單中（%1～%2）</translation>
    </message>
    <message>
        <source>是城列表中的分隔行，不是城</source>
        <comment>kCheckSeparator</comment>
        <translation>是城清單中的分隔行，不是城</translation>
    </message>
    <message>
        <source>指向不存在的武将</source>
        <comment>kCheckNoSuchOfficer</comment>
        <translation>指向不存在的武將</translation>
    </message>
    <message>
        <source>不是内置武将的编号（0～%1）</source>
        <comment>kCheckNoBuiltInOfficer</comment>
        <translation>不是內建武將的編號（0～%1）</translation>
    </message>
    <message>
        <source>早于诞生年 %1</source>
        <comment>kCheckDeathBeforeBirth</comment>
        <translation>早於誕生年 %1</translation>
    </message>
    <message>
        <source>超出游戏使用的范围 %1～%2</source>
        <comment>kCheckOutsideRange</comment>
        <translation>超出遊戲使用的範圍 %1～%2</translation>
    </message>
    <message>
        <source>无法按本版本的编码解读（第 %1 字节起）</source>
        <comment>kCheckNotDecoded</comment>
        <translation>無法按本版本的編碼解讀（第 %1 位元組起）</translation>
    </message>
    <message>
        <source>与第 %1 号武将同名</source>
        <comment>kCheckSameName</comment>
        <translation>與第 %1 號武將同名</translation>
    </message>
    <message>
        <source>检查：%1 处数值游戏不接受（单击一行显示该武将）</source>
        <comment>kCheckPanelTitle</comment>
        <translation>檢查：%1 處數值遊戲不接受（點選一行顯示該武將）</translation>
    </message>
    <message>
        <source>“%1”不是列表中的数值列：可用 统率 武勇 智慧 政治 义理 ＣＧ（或 武力、CG、Leadership 等）</source>
        <comment>kFilterUnknownColumn</comment>
        <translation>“%1”不是列表中的數值欄：可用 统率 武勇 智慧 政治 义理 ＣＧ（或 武力、CG、Leadership 等）</translation>
    </message>
    <message>
        <source>“%1”不是条件：请写成 武力&gt;100、CG&gt;=1700 这样</source>
        <comment>kFilterBadCondition</comment>
        <translation>“%1”不是條件：請寫成 武力&gt;100、CG&gt;=1700 這樣</translation>
    </message>
    <message>
        <source>第 %1 / %2 页</source>
        <comment>kPickerPage</comment>
        <translation>第 %1 / %2 頁</translation>
    </message>
    <message>
        <source>武将ＣＧ一览</source>
        <comment>kPickerCaption</comment>
        <translation>武將ＣＧ一覽</translation>
    </message>
    <message>
        <source>窗口</source>
        <comment>kMenuWindows</comment>
        <translation>視窗</translation>
    </message>
    <message>
        <source>重新排列窗口</source>
        <comment>kMenuArrange</comment>
        <translation>重新排列視窗</translation>
    </message>
    <message>
        <source>游戏与存档文件夹…</source>
        <comment>kMenuFolders</comment>
        <translation>遊戲與存檔資料夾…</translation>
    </message>
    <message>
        <source>游戏与存档文件夹</source>
        <comment>kFoldersTitle</comment>
        <translation>遊戲與存檔資料夾</translation>
    </message>
    <message>
        <source>找不到游戏或武将存档，请选择文件夹：</source>
        <comment>kFoldersNotFound</comment>
        <translation>找不到遊戲或武將存檔，請選擇資料夾：</translation>
    </message>
    <message>
        <source>游戏文件夹中没有：</source>
        <comment>kFoldersGameLacks</comment>
        <translation>遊戲資料夾中沒有：</translation>
    </message>
    <message>
        <source>文档文件夹中没有武将存档的文件夹：</source>
        <comment>kFoldersNoOfficerFolder</comment>
        <translation>文件資料夾中沒有武將存檔的資料夾：</translation>
    </message>
    <message>
        <source>编辑器从游戏的安装文件夹读取头像（Grp 文件夹），从“我的文档”文件夹下的 KOEI 文件夹读取登录武将存档。如果还没有武将存档，请先运行游戏进入登录武将一次。</source>
        <comment>kFoldersIntro</comment>
        <translation>編輯器從遊戲的安裝資料夾讀取頭像（Grp 資料夾），從「我的文件」資料夾下的 KOEI 資料夾讀取登錄武將存檔。如果還沒有武將存檔，請先執行遊戲進入登錄武將一次。</translation>
    </message>
    <message>
        <source>Wine 环境</source>
        <comment>kFoldersWine</comment>
        <translation>Wine 環境</translation>
    </message>
    <message>
        <source>从 Wine 环境中查找…</source>
        <comment>kFoldersWinePick</comment>
        <translation>從 Wine 環境中尋找…</translation>
    </message>
    <message>
        <source>游戏文件夹</source>
        <comment>kFoldersGame</comment>
        <translation>遊戲資料夾</translation>
    </message>
    <message>
        <source>文档文件夹</source>
        <comment>kFoldersDocuments</comment>
        <translation>文件資料夾</translation>
    </message>
    <message>
        <source>浏览…</source>
        <comment>kFoldersBrowse</comment>
        <translation>瀏覽…</translation>
    </message>
    <message>
        <source>√ 找到全部头像文件</source>
        <comment>kFoldersGameFound</comment>
        <translation>√ 找到全部頭像檔案</translation>
    </message>
    <message>
        <source>√ 找到武将存档</source>
        <comment>kFoldersOfficerFileFound</comment>
        <translation>√ 找到武將存檔</translation>
    </message>
    <message>
        <source>√ 找到武将存档的文件夹，读取时新建空的存档</source>
        <comment>kFoldersOfficerFolderFound</comment>
        <translation>√ 找到武將存檔的資料夾，讀取時新建空的存檔</translation>
    </message>
    <message>
        <source>× </source>
        <comment>kFoldersMissingMark</comment>
        <translation>× </translation>
    </message>
    <message>
        <source>确定</source>
        <comment>kFoldersOk</comment>
        <translation>確定</translation>
    </message>
    <message>
        <source>跳过</source>
        <comment>kFoldersSkip</comment>
        <translation>跳過</translation>
    </message>
    <message>
        <source>不选文件夹，按现在的设置继续；以后可以从“系统”菜单再选</source>
        <comment>kFoldersSkipTip</comment>
        <translation>不選資料夾，按現在的設定繼續；以後可以從「系統」選單再選</translation>
    </message>
    <message>
        <source>取消</source>
        <comment>kFoldersCancel</comment>
        <translation>取消</translation>
    </message>
    <message>
        <source>不改变文件夹</source>
        <comment>kFoldersCancelTip</comment>
        <translation>不改變資料夾</translation>
    </message>
    <message>
        <source>选择游戏的安装文件夹</source>
        <comment>kFoldersChooseGame</comment>
        <translation>選擇遊戲的安裝資料夾</translation>
    </message>
    <message>
        <source>选择“我的文档”文件夹</source>
        <comment>kFoldersChooseDocuments</comment>
        <translation>選擇「我的文件」資料夾</translation>
    </message>
    <message>
        <source>在找到的 Wine 环境中查找游戏和“我的文档”文件夹</source>
        <comment>kTipWinePrefixes</comment>
        <translation>在找到的 Wine 環境中尋找遊戲和「我的文件」資料夾</translation>
    </message>
    <message>
        <source>游戏的安装文件夹：其中的 Grp 文件夹存放头像文件</source>
        <comment>kTipGameFolder</comment>
        <translation>遊戲的安裝資料夾：其中的 Grp 資料夾存放頭像檔案</translation>
    </message>
    <message>
        <source>“我的文档”文件夹：武将存档在其中的 KOEI 文件夹下</source>
        <comment>kTipDocumentsFolder</comment>
        <translation>「我的文件」資料夾：武將存檔在其中的 KOEI 資料夾下</translation>
    </message>
    <message>
        <source>记住这两个文件夹，并从中读取头像和武将存档</source>
        <comment>kTipFoldersOk</comment>
        <translation>記住這兩個資料夾，並從中讀取頭像和武將存檔</translation>
    </message>
    <message>
        <source>姓：1～3 个汉字</source>
        <comment>kTipFamilyName</comment>
        <translation>姓：1～3 個漢字</translation>
    </message>
    <message>
        <source>名：1～3 个汉字</source>
        <comment>kTipGivenName</comment>
        <translation>名：1～3 個漢字</translation>
    </message>
    <message>
        <source>姓的读音：最多 9 个假名</source>
        <comment>kTipFamilyReading</comment>
        <translation>姓的讀音：最多 9 個假名</translation>
    </message>
    <message>
        <source>名的读音：最多 9 个假名</source>
        <comment>kTipGivenReading</comment>
        <translation>名的讀音：最多 9 個假名</translation>
    </message>
    <message>
        <source>列传：最多 73 个汉字（146 字节）；留空则写入“战国神秘的武将人物！”</source>
        <comment>kTipBiography</comment>
        <translation>列傳：最多 73 個漢字（146 位元組）；留空則寫入“战国神秘的武将人物！”</translation>
    </message>
    <message>
        <source>诞生年：须大于 0；下面四个剧本中的年龄由此算出</source>
        <comment>kTipBirthYear</comment>
        <translation>誕生年：須大於 0；下面四個劇本中的年齡由此算出</translation>
    </message>
    <message>
        <source>死亡年：游戏使用不早于诞生年的年份</source>
        <comment>kTipDeathYear</comment>
        <translation>死亡年：遊戲使用不早於誕生年的年份</translation>
    </message>
    <message>
        <source>%1：游戏使用 %2～%3</source>
        <comment>kTipGameRange</comment>
        <translation>%1：遊戲使用 %2～%3</translation>
    </message>
    <message>
        <source>性别</source>
        <comment>kTipGender</comment>
        <translation>性別</translation>
    </message>
    <message>
        <source>%1适性：Ｓ 最高，Ｄ 最低</source>
        <comment>kTipAptitude</comment>
        <translation>%1適性：Ｓ 最高，Ｄ 最低</translation>
    </message>
    <message>
        <source>战法“%1”：勾选则该武将会此战法</source>
        <comment>kTipTactic</comment>
        <translation>戰法「%1」：勾選則該武將會此戰法</translation>
    </message>
    <message>
        <source>勾选则三十个战法全部习得，取消则全部清除</source>
        <comment>kTipAllTactics</comment>
        <translation>勾選則三十個戰法全部習得，取消則全部清除</translation>
    </message>
    <message>
        <source>显示相性武将列表的项数</source>
        <comment>kTipCompatibilityCount</comment>
        <translation>顯示相性武將清單的項數</translation>
    </message>
    <message>
        <source>字符代码：输入数字后按右边的按钮</source>
        <comment>kTipCodeBox</comment>
        <translation>字元代碼：輸入數字後按右邊的按鈕</translation>
    </message>
    <message>
        <source>显示左边代码所表示的字符</source>
        <comment>kTipCharacterOfCode</comment>
        <translation>顯示左邊代碼所表示的字元</translation>
    </message>
    <message>
        <source>实父：选择一名武将，或“无”</source>
        <comment>kTipFather</comment>
        <translation>實父：選擇一名武將，或“無”</translation>
    </message>
    <message>
        <source>相性武将：相性与此武将相同的武将</source>
        <comment>kTipCompatibility</comment>
        <translation>相性武將：相性與此武將相同的武將</translation>
    </message>
    <message>
        <source>亲爱武将</source>
        <comment>kFieldLiked1</comment>
        <translation>親愛武將</translation>
    </message>
    <message>
        <source>亲爱武将二</source>
        <comment>kFieldLiked2</comment>
        <translation>親愛武將二</translation>
    </message>
    <message>
        <source>嫌恶武将</source>
        <comment>kFieldDisliked1</comment>
        <translation>嫌惡武將</translation>
    </message>
    <message>
        <source>嫌恶武将二</source>
        <comment>kFieldDisliked2</comment>
        <translation>嫌惡武將二</translation>
    </message>
    <message>
        <source>从武将列表中选择%1</source>
        <comment>kTipPick</comment>
        <translation>從武將清單中選擇%1</translation>
    </message>
    <message>
        <source>实父设为“无”</source>
        <comment>kTipFatherNone</comment>
        <translation>實父設為“無”</translation>
    </message>
    <message>
        <source>出自</source>
        <comment>kTipOrigin</comment>
        <translation>出自</translation>
    </message>
    <message>
        <source>信仰</source>
        <comment>kTipFaith</comment>
        <translation>信仰</translation>
    </message>
    <message>
        <source>所属城</source>
        <comment>kTipCastle</comment>
        <translation>所屬城</translation>
    </message>
    <message>
        <source>在地图上选择所属城</source>
        <comment>kTipMapButton</comment>
        <translation>在地圖上選擇所屬城</translation>
    </message>
    <message>
        <source>状态</source>
        <comment>kTipStatus</comment>
        <translation>狀態</translation>
    </message>
    <message>
        <source>登场/出场</source>
        <comment>kTipAppearance</comment>
        <translation>登場/出場</translation>
    </message>
    <message>
        <source>声音“%1”：点击试听</source>
        <comment>kTipVoice</comment>
        <translation>聲音「%1」：點選試聽</translation>
    </message>
    <message>
        <source>中日文译：勾选时姓名在游戏文字和简体中文之间转换，并列入关系的武将列表</source>
        <comment>kTipTranslate</comment>
        <translation>中日文譯：勾選時姓名在遊戲文字和簡體中文之間轉換，並列入關係的武將清單</translation>
    </message>
    <message>
        <source>勾选时，游戏文字按繁体字输入和显示</source>
        <comment>kTipTraditional</comment>
        <translation>勾選時，遊戲文字按繁體字輸入和顯示</translation>
    </message>
    <message>
        <source>武将存档在“我的文档”文件夹下的位置</source>
        <comment>kTipOfficerFile</comment>
        <translation>武將存檔在「我的文件」資料夾下的位置</translation>
    </message>
    <message>
        <source>重新读取武将存档；未保存的修改将丢失</source>
        <comment>kTipOpen</comment>
        <translation>重新讀取武將存檔；未儲存的修改將丟失</translation>
    </message>
    <message>
        <source>打开武将ＣＧ一览，为武将选择头像</source>
        <comment>kTipChoosePortrait</comment>
        <translation>開啟武將ＣＧ一覽，為武將選擇頭像</translation>
    </message>
    <message>
        <source>把以上内容写入当前武将；按“保存所有修改”才写入存档</source>
        <comment>kTipModify</comment>
        <translation>把以上內容寫入當前武將；按「儲存所有修改」才寫入存檔</translation>
    </message>
    <message>
        <source>以以上内容添加一名新武将</source>
        <comment>kTipAdd</comment>
        <translation>以以上內容添加一名新武將</translation>
    </message>
    <message>
        <source>随机武将：随机填入一名武将的内容，不会自动写入</source>
        <comment>kTipRandom</comment>
        <translation>隨機武將：隨機填入一名武將的內容，不會自動寫入</translation>
    </message>
    <message>
        <source>全部武将：选择一名，填入按“选”打开此列表的那一栏</source>
        <comment>kTipReferenceList</comment>
        <translation>全部武將：選擇一名，填入按「選」開啟此清單的那一欄</translation>
    </message>
    <message>
        <source>要在武将列表中查找的名字，按回车查找</source>
        <comment>kTipReferenceSearch</comment>
        <translation>要在武將清單中尋找的名字，按 Enter 尋找</translation>
    </message>
    <message>
        <source>在武将列表中查找名字含有左边文字的武将</source>
        <comment>kTipReferenceFind</comment>
        <translation>在武將清單中尋找名字含有左邊文字的武將</translation>
    </message>
    <message>
        <source>关闭武将列表</source>
        <comment>kTipReferenceClose</comment>
        <translation>關閉武將清單</translation>
    </message>
    <message>
        <source>所选武将的%1</source>
        <comment>kTipReferenceFigure</comment>
        <translation>所選武將的%1</translation>
    </message>
    <message>
        <source>参考：</source>
        <comment>kNameReference</comment>
        <translation>參考：</translation>
    </message>
    <message>
        <source>声音 %1</source>
        <comment>kNameVoice</comment>
        <translation>聲音 %1</translation>
    </message>
    <message>
        <source>CG号</source>
        <comment>kLabelPortraitNumber</comment>
        <translation>CG號</translation>
    </message>
    <message>
        <source>全部登录武将：点击一行，在编辑器中显示该武将</source>
        <comment>kTipListGrid</comment>
        <translation>全部登錄武將：點選一行，在編輯器中顯示該武將</translation>
    </message>
    <message>
        <source>要查找的武将名字，按回车查找</source>
        <comment>kTipListSearch</comment>
        <translation>要尋找的武將名字，按 Enter 尋找</translation>
    </message>
    <message>
        <source>查找名字中含有左边文字的武将</source>
        <comment>kTipListFind</comment>
        <translation>尋找名字中含有左邊文字的武將</translation>
    </message>
    <message>
        <source>先备份原存档，再把全部武将写入存档</source>
        <comment>kTipSave</comment>
        <translation>先備份原存檔，再把全部武將寫入存檔</translation>
    </message>
    <message>
        <source>单击：让编辑器显示此头像；按住右键：看三种大小</source>
        <comment>kTipThumbnail</comment>
        <translation>點選：讓編輯器顯示此頭像；按住右鍵：看三種大小</translation>
    </message>
    <message>
        <source>翻页：每页 15 个头像</source>
        <comment>kTipPageBar</comment>
        <translation>翻頁：每頁 15 個頭像</translation>
    </message>
    <message>
        <source>输入头像号后按回车</source>
        <comment>kTipTypedFace</comment>
        <translation>輸入頭像號後按 Enter </translation>
    </message>
    <message>
        <source>输入头像号（从 1700 起）后按回车</source>
        <comment>kTipTypedEditFace</comment>
        <translation>輸入頭像號（從 1700 起）後按 Enter </translation>
    </message>
    <message>
        <source>把所选头像给当前武将</source>
        <comment>kTipChange</comment>
        <translation>把所選頭像給當前武將</translation>
    </message>
    <message>
        <source>不换头像，恢复武将原来的头像</source>
        <comment>kTipCancel</comment>
        <translation>不換頭像，恢復武將原來的頭像</translation>
    </message>
    <message>
        <source>头像 %1</source>
        <comment>kNameThumbnail</comment>
        <translation>頭像 %1</translation>
    </message>
    <message>
        <source>史实武将ＣＧ 翻页</source>
        <comment>kNamePageBarStandard</comment>
        <translation>史實武將ＣＧ 翻頁</translation>
    </message>
    <message>
        <source>新增武将ＣＧ 翻页</source>
        <comment>kNamePageBarEdit</comment>
        <translation>新增武將ＣＧ 翻頁</translation>
    </message>
    <message>
        <source>指定史实武将ＣＧ</source>
        <comment>kNameTypedStandard</comment>
        <translation>指定史實武將ＣＧ</translation>
    </message>
    <message>
        <source>指定新增武将ＣＧ</source>
        <comment>kNameTypedEdit</comment>
        <translation>指定新增武將ＣＧ</translation>
    </message>
    <message>
        <source>实父</source>
        <comment>kFieldFather</comment>
        <translation>實父</translation>
    </message>
    <message>
        <source>相性武将</source>
        <comment>kFieldCompatibility</comment>
        <translation>相性武將</translation>
    </message>
    <message>
        <source>Windows 无法播放声音，这台电脑可能没有可用的声音设备。</source>
        <comment>kReasonSystemCannotPlay</comment>
        <translation>Windows 無法播放聲音，這台電腦可能沒有可用的音效裝置。</translation>
    </message>
    <message>
        <source>不是 PNG、JPEG 或 BMP 图片</source>
        <comment>kReasonPictureUnknown</comment>
        <translation>不是 PNG、JPEG 或 BMP 圖片</translation>
    </message>
    <message>
        <source>图片已损坏，无法解码</source>
        <comment>kReasonPictureBroken</comment>
        <translation>圖片已損壞，無法解碼</translation>
    </message>
    <message>
        <source>图片文件不完整，在结尾之前中断</source>
        <comment>kReasonPictureTruncated</comment>
        <translation>圖片檔案不完整，在結尾之前中斷</translation>
    </message>
    <message>
        <source>图片太大：%1x%2（最多每边 16384 像素、共 2400 万像素）</source>
        <comment>kReasonPictureTooLarge</comment>
        <translation>圖片太大：%1x%2（最多每邊 16384 像素、共 2400 萬像素）</translation>
    </message>
    <message>
        <source>解码这张图片所需的内存超出上限</source>
        <comment>kReasonPictureOverBudget</comment>
        <translation>解碼這張圖片所需的記憶體超出上限</translation>
    </message>
    <message>
        <source>裁剪范围不在图片之内：%1,%2,%3,%4（图片 %5x%6）</source>
        <comment>kReasonCropOutside</comment>
        <translation>裁切範圍不在圖片之內：%1,%2,%3,%4（圖片 %5x%6）</translation>
    </message>
    <message>
        <source>档案中的头像尺寸不一：第 %1 号为 %2x%3，第 0 号为 %4x%5</source>
        <comment>kReasonFaceSizesDiffer</comment>
        <translation>檔案中的頭像尺寸不一：第 %1 號為 %2x%3，第 0 號為 %4x%5</translation>
    </message>
    <message>
        <source>第 %1 号头像的位置落在文件头或索引之中：%2</source>
        <comment>kReasonFaceOverlapsIndex</comment>
        <translation>第 %1 號頭像的位置落在檔案頭或索引之中：%2</translation>
    </message>
    <message>
        <source>同尺寸的史实头像档案中没有头像可作尺寸参照</source>
        <comment>kReasonNoFaceToCopy</comment>
        <translation>同尺寸的史實頭像檔案中沒有頭像可作尺寸參照</translation>
    </message>
    <message>
        <source>头像档案超过上限 %1 字节</source>
        <comment>kReasonArchiveTooLarge</comment>
        <translation>頭像檔案超過上限 %1 位元組</translation>
    </message>
    <message>
        <source>无法写入头像档案，三个档案均未改变：</source>
        <comment>kTextFacesNotWritten</comment>
        <translation>無法寫入頭像檔案，三個檔案均未改變：</translation>
    </message>
    <message>
        <source>无法备份头像档案，未写入任何内容：</source>
        <comment>kTextFacesBackupFailed</comment>
        <translation>無法備份頭像檔案，未寫入任何內容：</translation>
    </message>
    <message>
        <source>写入头像档案中途失败，且无法恢复已替换的档案；请用“系统 → 恢复备份…”恢复头像档案的备份：</source>
        <comment>kTextFacesRolledBackFailed</comment>
        <translation>寫入頭像檔案中途失敗，且無法復原已替換的檔案；請用「系統 → 恢復備份…」恢復頭像檔案的備份：</translation>
    </message>
    <message>
        <source>已写入三个头像档案，但无法确认已写入磁盘：</source>
        <comment>kTextFacesReplacedNotFlushed</comment>
        <translation>已寫入三個頭像檔案，但無法確認已寫入磁碟：</translation>
    </message>
    <message>
        <source>游戏文件夹不可写入，无法保存头像。请以管理员身份运行本程序，或将游戏安装到“Program Files”以外的文件夹（例如 C:\Games），然后再试：</source>
        <comment>kTextFacesFolderReadOnly</comment>
        <translation>遊戲資料夾不可寫入，無法儲存頭像。請以系統管理員身分執行本程式，或將遊戲安裝到「Program Files」以外的資料夾（例如 C:\Games），然後再試：</translation>
    </message>
    <message>
        <source>三个新增头像档案的头像数不一致：大 %1、中 %2、小 %3</source>
        <comment>kReasonEditCountsDiffer</comment>
        <translation>三個新增頭像檔案的頭像數不一致：大 %1、中 %2、小 %3</translation>
    </message>
    <message>
        <source>这组头像档案备份不全，三个档案缺一不可</source>
        <comment>kReasonBackupSetIncomplete</comment>
        <translation>這組頭像檔案備份不全，三個檔案缺一不可</translation>
    </message>
    <message>
        <source>导入头像…</source>
        <comment>kPickerImportFace</comment>
        <translation>匯入頭像…</translation>
    </message>
    <message>
        <source>替换头像…</source>
        <comment>kPickerReplaceFace</comment>
        <translation>替換頭像…</translation>
    </message>
    <message>
        <source>把一张图片（PNG、JPEG、BMP）做成新的新增武将头像，写入大、中、小三个头像档案（先备份）</source>
        <comment>kTipImportFace</comment>
        <translation>把一張圖片（PNG、JPEG、BMP）做成新的新增武將頭像，寫入大、中、小三個頭像檔案（先備份）</translation>
    </message>
    <message>
        <source>用一张图片替换选中的新增武将头像（三个尺寸，先备份）</source>
        <comment>kTipReplaceFace</comment>
        <translation>用一張圖片替換選中的新增武將頭像（三個尺寸，先備份）</translation>
    </message>
    <message>
        <source>选择头像图片</source>
        <comment>kTitleChoosePicture</comment>
        <translation>選擇頭像圖片</translation>
    </message>
    <message>
        <source>图片 (*.png *.jpg *.jpeg *.bmp);;所有文件 (*)</source>
        <comment>kPictureFilter</comment>
        <translation>圖片 (*.png *.jpg *.jpeg *.bmp);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>裁剪头像</source>
        <comment>kTitleCropFace</comment>
        <translation>裁切頭像</translation>
    </message>
    <message>
        <source>拖动方框选择要用的部分，拖动右下角改变大小；右边是游戏中三个尺寸的样子。</source>
        <comment>kCropIntro</comment>
        <translation>拖動方框選擇要用的部分，拖動右下角改變大小；右邊是遊戲中三個尺寸的樣子。</translation>
    </message>
    <message>
        <source>大</source>
        <comment>kCropLarge</comment>
        <translation>大</translation>
    </message>
    <message>
        <source>中</source>
        <comment>kCropMedium</comment>
        <translation>中</translation>
    </message>
    <message>
        <source>小</source>
        <comment>kCropSmall</comment>
        <translation>小</translation>
    </message>
    <message>
        <source>确定</source>
        <comment>kCropOk</comment>
        <translation>確定</translation>
    </message>
    <message>
        <source>取消</source>
        <comment>kCropCancel</comment>
        <translation>取消</translation>
    </message>
    <message>
        <source>用这张图片替换第 %1 号头像吗？三个头像档案会先备份，可用“系统 → 恢复备份…”恢复。</source>
        <comment>kAskReplaceFace</comment>
        <translation>用這張圖片替換第 %1 號頭像嗎？三個頭像檔案會先備份，可用「系統 → 恢復備份…」恢復。</translation>
    </message>
    <message>
        <source>第 %1 号头像正由以下武将使用，替换后他们的头像也会改变：%2。确定替换吗？</source>
        <comment>kAskReplaceUsedFace</comment>
        <translation>第 %1 號頭像正由以下武將使用，替換後他們的頭像也會改變：%2。確定替換嗎？</translation>
    </message>
    <message>
        <source>请先在“新增武将ＣＧ”中点选要替换的头像。</source>
        <comment>kTextNoEditFaceChosen</comment>
        <translation>請先在「新增武將ＣＧ」中點選要替換的頭像。</translation>
    </message>
    <message>
        <source>已加入第 %1 号头像。点“更改”即可给当前武将使用。</source>
        <comment>kTextFaceAdded</comment>
        <translation>已加入第 %1 號頭像。點「更改」即可給當前武將使用。</translation>
    </message>
    <message>
        <source>新增武将头像档案（EDIT_KAO_l/m/s.n12）的备份，三个一起恢复：</source>
        <comment>kBackupFacesCaption</comment>
        <translation>新增武將頭像檔案（EDIT_KAO_l/m/s.n12）的備份，三個一起恢復：</translation>
    </message>
    <message>
        <source>还没有头像档案的备份</source>
        <comment>kBackupFacesNone</comment>
        <translation>還沒有頭像檔案的備份</translation>
    </message>
    <message>
        <source>恢复这组头像</source>
        <comment>kBackupRestoreFaces</comment>
        <translation>恢復這組頭像</translation>
    </message>
    <message>
        <source>把三个新增武将头像档案一起恢复为选中的备份；现在的档案会先备份</source>
        <comment>kTipRestoreFaces</comment>
        <translation>把三個新增武將頭像檔案一起恢復為選中的備份；現在的檔案會先備份</translation>
    </message>
    <message>
        <source>用 %1 的备份替换现在的三个新增武将头像档案吗？现在的档案会先备份。</source>
        <comment>kAskRestoreFaces</comment>
        <translation>用 %1 的備份替換現在的三個新增武將頭像檔案嗎？現在的檔案會先備份。</translation>
    </message>
    <message>
        <source>已恢复三个新增武将头像档案。</source>
        <comment>kTextFacesRestored</comment>
        <translation>已恢復三個新增武將頭像檔案。</translation>
    </message>
</context>
<context>
    <name>MapWindow</name>
    <message>
        <source>MAP</source>
        <translation>MAP</translation>
    </message>
    <message>
        <source>城市:</source>
        <translation>城市:</translation>
    </message>
</context>
<context>
    <name>OfficerListWindow</name>
    <message>
        <source>名字的一部分，或 武力&gt;100、CG&gt;=1700、退场 这样的条件，用空格分开</source>
        <translation>名字的一部分，或 武力&gt;100、CG&gt;=1700、退场 這樣的條件，用空格分開</translation>
    </message>
    <message>
        <source>名字 或 武力&gt;100 CG&gt;=1700 退场</source>
        <translation>名字 或 武力&gt;100 CG&gt;=1700 退场</translation>
    </message>
    <message>
        <source>筛选</source>
        <translation>篩選</translation>
    </message>
    <message>
        <source>检查结果</source>
        <translation>檢查結果</translation>
    </message>
    <message>
        <source>存档中游戏不认可的值；点一项即显示该武将</source>
        <translation>存檔中遊戲不認可的值；點一項即顯示該武將</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>删除选中的武将（Delete 键）</source>
        <translation>刪除選中的武將（Delete 鍵）</translation>
    </message>
    <message>
        <source>复制为新武将</source>
        <translation>複製為新武將</translation>
    </message>
    <message>
        <source>把选中的武将复制到最后</source>
        <translation>把選中的武將複製到最後</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>选中的武将在存档中前移一位</source>
        <translation>選中的武將在存檔中前移一位</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>选中的武将在存档中后移一位</source>
        <translation>選中的武將在存檔中後移一位</translation>
    </message>
    <message>
        <source>批量修改</source>
        <translation>批量修改</translation>
    </message>
    <message>
        <source>为选中的所有武将设定同一项</source>
        <translation>為選中的所有武將設定同一項</translation>
    </message>
    <message>
        <source>出场/退场</source>
        <translation>出場/退場</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>统率</source>
        <translation>統率</translation>
    </message>
    <message>
        <source>武勇</source>
        <translation>武勇</translation>
    </message>
    <message>
        <source>智慧</source>
        <translation>智慧</translation>
    </message>
    <message>
        <source>政治</source>
        <translation>政治</translation>
    </message>
    <message>
        <source>义理</source>
        <translation>義理</translation>
    </message>
    <message>
        <source>搜索名字</source>
        <translation>搜尋名字</translation>
    </message>
    <message>
        <source>搜</source>
        <translation>搜</translation>
    </message>
    <message>
        <source>保存所有修改</source>
        <translation>儲存所有修改</translation>
    </message>
    <message>
        <source>、</source>
        <translation>、</translation>
    </message>
    <message>
        <source> 等 %1 名</source>
        <translation> 等 %1 名</translation>
    </message>
</context>
<context>
    <name>PortraitPickerWindow</name>
    <message>
        <source>指定</source>
        <translation>指定</translation>
    </message>
    <message>
        <source>史实武将ＣＧ</source>
        <translation>史實武將ＣＧ</translation>
    </message>
    <message>
        <source>新增武将ＣＧ</source>
        <translation>新增武將ＣＧ</translation>
    </message>
    <message>
        <source>更改</source>
        <translation>更改</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ReferencePanel</name>
    <message>
        <source>    史武将列表</source>
        <translation>    史武將清單</translation>
    </message>
    <message>
        <source>搜</source>
        <translation>搜</translation>
    </message>
    <message>
        <source>CG号</source>
        <translation>CG號</translation>
    </message>
    <message>
        <source>诞生年</source>
        <translation>誕生年</translation>
    </message>
    <message>
        <source>死亡年</source>
        <translation>死亡年</translation>
    </message>
    <message>
        <source>统御</source>
        <translation>統御</translation>
    </message>
    <message>
        <source>武力</source>
        <translation>武力</translation>
    </message>
    <message>
        <source>智力</source>
        <translation>智力</translation>
    </message>
    <message>
        <source>政治</source>
        <translation>政治</translation>
    </message>
    <message>
        <source>义理</source>
        <translation>義理</translation>
    </message>
</context>
<context>
    <name>Vocabulary</name>
    <message>
        <source>女</source>
        <translation>女</translation>
    </message>
    <message>
        <source>男</source>
        <translation>男</translation>
    </message>
    <message>
        <source>武士</source>
        <translation>武士</translation>
    </message>
    <message>
        <source>高家</source>
        <translation>高家</translation>
    </message>
    <message>
        <source>僧侣</source>
        <translation>僧侶</translation>
    </message>
    <message>
        <source>商人</source>
        <translation>商人</translation>
    </message>
    <message>
        <source>海盗</source>
        <translation>海盜</translation>
    </message>
    <message>
        <source>忍者</source>
        <translation>忍者</translation>
    </message>
    <message>
        <source>剑豪</source>
        <translation>劍豪</translation>
    </message>
    <message>
        <source>庶民</source>
        <translation>庶民</translation>
    </message>
    <message>
        <source>无</source>
        <translation>無</translation>
    </message>
    <message>
        <source>亻厶教</source>
        <translation>佛教</translation>
    </message>
    <message>
        <source>一向宗</source>
        <translation>一向宗</translation>
    </message>
    <message>
        <source>基督教</source>
        <translation>基督教</translation>
    </message>
    <message>
        <source>元服前</source>
        <translation>元服前</translation>
    </message>
    <message>
        <source>未发现</source>
        <translation>未發現</translation>
    </message>
    <message>
        <source>浪人</source>
        <translation>浪人</translation>
    </message>
    <message>
        <source>俘虏</source>
        <translation>俘虜</translation>
    </message>
    <message>
        <source>人质</source>
        <translation>人質</translation>
    </message>
    <message>
        <source>姬</source>
        <translation>姬</translation>
    </message>
    <message>
        <source>家臣</source>
        <translation>家臣</translation>
    </message>
    <message>
        <source>死亡&quot;</source>
        <translation>死亡</translation>
    </message>
    <message>
        <source>退场</source>
        <translation>退場</translation>
    </message>
    <message>
        <source>出场</source>
        <translation>出場</translation>
    </message>
    <message>
        <source>足轻</source>
        <translation>足輕</translation>
    </message>
    <message>
        <source>骑马</source>
        <translation>騎馬</translation>
    </message>
    <message>
        <source>弓</source>
        <translation>弓</translation>
    </message>
    <message>
        <source>铁炮</source>
        <translation>鐵砲</translation>
    </message>
    <message>
        <source>计略</source>
        <translation>計略</translation>
    </message>
    <message>
        <source>兵器</source>
        <translation>兵器</translation>
    </message>
    <message>
        <source>水军</source>
        <translation>水軍</translation>
    </message>
    <message>
        <source>筑城</source>
        <translation>築城</translation>
    </message>
    <message>
        <source>内政</source>
        <translation>內政</translation>
    </message>
    <message>
        <source>枪衾</source>
        <translation>槍衾</translation>
    </message>
    <message>
        <source>枪突击</source>
        <translation>槍突擊</translation>
    </message>
    <message>
        <source>枪车</source>
        <translation>槍車</translation>
    </message>
    <message>
        <source>乱战</source>
        <translation>亂戰</translation>
    </message>
    <message>
        <source>强袭</source>
        <translation>強襲</translation>
    </message>
    <message>
        <source>千成衾</source>
        <translation>千成衾</translation>
    </message>
    <message>
        <source>先驱</source>
        <translation>先驅</translation>
    </message>
    <message>
        <source>突进</source>
        <translation>突進</translation>
    </message>
    <message>
        <source>突击</source>
        <translation>突擊</translation>
    </message>
    <message>
        <source>啄木鸟</source>
        <translation>啄木鳥</translation>
    </message>
    <message>
        <source>乘崩</source>
        <translation>乘崩</translation>
    </message>
    <message>
        <source>车悬</source>
        <translation>車懸</translation>
    </message>
    <message>
        <source>齐射</source>
        <translation>齊射</translation>
    </message>
    <message>
        <source>火矢</source>
        <translation>火矢</translation>
    </message>
    <message>
        <source>连射</source>
        <translation>連射</translation>
    </message>
    <message>
        <source>三矢训</source>
        <translation>三矢訓</translation>
    </message>
    <message>
        <source>铁炮一</source>
        <translation>鐵砲一</translation>
    </message>
    <message>
        <source>铁炮二</source>
        <translation>鐵砲二</translation>
    </message>
    <message>
        <source>铁炮三</source>
        <translation>鐵砲三</translation>
    </message>
    <message>
        <source>铁炮四</source>
        <translation>鐵砲四</translation>
    </message>
    <message>
        <source>铁炮五</source>
        <translation>鐵砲五</translation>
    </message>
    <message>
        <source>铁炮六</source>
        <translation>鐵砲六</translation>
    </message>
    <message>
        <source>计略一</source>
        <translation>計略一</translation>
    </message>
    <message>
        <source>计略二</source>
        <translation>計略二</translation>
    </message>
    <message>
        <source>计略三</source>
        <translation>計略三</translation>
    </message>
    <message>
        <source>计略四</source>
        <translation>計略四</translation>
    </message>
    <message>
        <source>计略五</source>
        <translation>計略五</translation>
    </message>
    <message>
        <source>计略六</source>
        <translation>計略六</translation>
    </message>
    <message>
        <source>计略七</source>
        <translation>計略七</translation>
    </message>
    <message>
        <source>计略八</source>
        <translation>計略八</translation>
    </message>
    <message>
        <source>威严</source>
        <translation>威嚴</translation>
    </message>
    <message>
        <source>勇猛</source>
        <translation>勇猛</translation>
    </message>
    <message>
        <source>睿智</source>
        <translation>睿智</translation>
    </message>
    <message>
        <source>年少</source>
        <translation>年少</translation>
    </message>
    <message>
        <source>普通</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>女性</source>
        <translation>女性</translation>
    </message>
</context>
<context>
    <name>busho::EditionChooser</name>
    <message>
        <source>请选择游戏语言版本</source>
        <translation>請選擇遊戲語言版本</translation>
    </message>
    <message>
        <source>中文版</source>
        <translation>中文版</translation>
    </message>
    <message>
        <source>日文版</source>
        <translation>日文版</translation>
    </message>
</context>
<context>
    <name>busho::ReadmeWindow</name>
    <message>
        <source>说明文档</source>
        <translation>說明文件</translation>
    </message>
</context>
</TS>
