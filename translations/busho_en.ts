<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>BatchEditDialog</name>
    <message>
        <source>出自</source>
        <translation>Origin</translation>
    </message>
    <message>
        <source>信仰</source>
        <translation>Faith</translation>
    </message>
    <message>
        <source>所属</source>
        <translation>Castle</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>登场/出场</source>
        <translation>Appearance</translation>
    </message>
    <message>
        <source>适性：</source>
        <translation>Aptitude: </translation>
    </message>
    <message>
        <source>战法：</source>
        <translation>Tactic: </translation>
    </message>
    <message>
        <source>批量修改</source>
        <translation>Batch edit</translation>
    </message>
    <message>
        <source>为选中的 %1 名武将设定：</source>
        <translation>Set for the %1 officers chosen:</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>设为</source>
        <translation>Value</translation>
    </message>
</context>
<context>
    <name>EditorWindow</name>
    <message>
        <source>随机武将</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>头像</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>CG号</source>
        <translation>CG no.</translation>
    </message>
    <message>
        <source>选择头像</source>
        <translation>Choose face</translation>
    </message>
    <message>
        <source>中日文译</source>
        <translation>Chinese/Japanese</translation>
    </message>
    <message>
        <source>输入繁体字内容请打√</source>
        <translation>Tick to type Traditional</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>打开存档</source>
        <translation>Officer file</translation>
    </message>
    <message>
        <source>目标文件为:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>姓名与生平</source>
        <translation>Name and life</translation>
    </message>
    <message>
        <source>姓</source>
        <translation>Family</translation>
    </message>
    <message>
        <source>姓音:</source>
        <translation>Reading:</translation>
    </message>
    <message>
        <source>性别</source>
        <translation>Gender</translation>
    </message>
    <message>
        <source>名</source>
        <translation>Given</translation>
    </message>
    <message>
        <source>名音:</source>
        <translation>Reading:</translation>
    </message>
    <message>
        <source>诞生年</source>
        <translation>Born</translation>
    </message>
    <message>
        <source>死亡年</source>
        <translation>Died</translation>
    </message>
    <message>
        <source>列传</source>
        <translation>Biography</translation>
    </message>
    <message>
        <source>声音</source>
        <translation>Voice</translation>
    </message>
    <message>
        <source>能力</source>
        <translation>Abilities</translation>
    </message>
    <message>
        <source>统御</source>
        <translation>Leadership</translation>
    </message>
    <message>
        <source>武力</source>
        <translation>Valour</translation>
    </message>
    <message>
        <source>智力</source>
        <translation>Intellect</translation>
    </message>
    <message>
        <source>政治</source>
        <translation>Politics</translation>
    </message>
    <message>
        <source>义理</source>
        <translation>Duty</translation>
    </message>
    <message>
        <source>适性</source>
        <translation>Aptitudes</translation>
    </message>
    <message>
        <source>战法</source>
        <translation>Tactics</translation>
    </message>
    <message>
        <source>战法全满</source>
        <translation>All tactics</translation>
    </message>
    <message>
        <source>关系</source>
        <translation>Relations</translation>
    </message>
    <message>
        <source>实    父</source>
        <translation>Father</translation>
    </message>
    <message>
        <source>×</source>
        <translation>×</translation>
    </message>
    <message>
        <source>相性武将</source>
        <translation>Compatible</translation>
    </message>
    <message>
        <source>亲爱武将</source>
        <translation>Liked</translation>
    </message>
    <message>
        <source>亲爱武将二</source>
        <translation>Liked 2</translation>
    </message>
    <message>
        <source>嫌恶武将</source>
        <translation>Disliked</translation>
    </message>
    <message>
        <source>嫌恶武将二</source>
        <translation>Disliked 2</translation>
    </message>
    <message>
        <source>选</source>
        <translation>…</translation>
    </message>
    <message>
        <source>身份</source>
        <translation>Standing</translation>
    </message>
    <message>
        <source>出    自</source>
        <translation>Origin</translation>
    </message>
    <message>
        <source>信    仰</source>
        <translation>Faith</translation>
    </message>
    <message>
        <source>所    属</source>
        <translation>Castle</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>状    态</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>登场/出场</source>
        <translation>Appears</translation>
    </message>
    <message>
        <source>系统</source>
        <translation>System</translation>
    </message>
    <message>
        <source>语言 / Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>说明文档</source>
        <translation>Readme</translation>
    </message>
</context>
<context>
    <name>InterfaceTexts</name>
    <message>
        <source>请先打开武将存档文件!!!!如果没有武将存档,请先运行游戏进入登陆武将一次!!</source>
        <comment>kTextOpenFirst</comment>
        <translation>Open an officer file first!!!! If you have none, start the game and enter officer registration once!!</translation>
    </message>
    <message>
        <source>选择错误</source>
        <comment>kTitleWrongChoice</comment>
        <translation>Wrong choice</translation>
    </message>
    <message>
        <source>已经备份原有武将库为：</source>
        <comment>kTextBackedUp</comment>
        <translation>The original officer file was backed up as:</translation>
    </message>
    <message>
        <source>提示</source>
        <comment>kTitleNotice</comment>
        <translation>Notice</translation>
    </message>
    <message>
        <source>OVer</source>
        <comment>kTextOver</comment>
        <translation>OVer</translation>
    </message>
    <message>
        <source>载入中 - - - - - - -- - - - - </source>
        <comment>kTextLoadingCaption</comment>
        <translation>Loading - - - - - - -- - - - - </translation>
    </message>
    <message>
        <source>读取错误</source>
        <comment>kTitleLoadError</comment>
        <translation>Load error</translation>
    </message>
    <message>
        <source>无法读取武将存档，武将表保持不变：</source>
        <comment>kTextLoadFailed</comment>
        <translation>Cannot read the officer file; the officer table is unchanged: </translation>
    </message>
    <message>
        <source>保存错误</source>
        <comment>kTitleSaveError</comment>
        <translation>Save error</translation>
    </message>
    <message>
        <source>无法备份武将存档，未写入任何内容：</source>
        <comment>kTextBackupFailed</comment>
        <translation>Cannot back up the officer file; nothing was written: </translation>
    </message>
    <message>
        <source>无法写入武将存档，原存档和备份均未改变：</source>
        <comment>kTextWriteFailed</comment>
        <translation>Cannot write the officer file; the file and its backup are unchanged: </translation>
    </message>
    <message>
        <source>文件夹不存在</source>
        <comment>kReasonNoFolder</comment>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>无法打开或创建文件</source>
        <comment>kReasonCannotOpen</comment>
        <translation>cannot open or create the file</translation>
    </message>
    <message>
        <source>无法读取文件</source>
        <comment>kReasonCannotRead</comment>
        <translation>cannot read the file</translation>
    </message>
    <message>
        <source>第 %1 号武将的战法数为 %2，超出 0～31</source>
        <comment>kReasonTacticCount</comment>
        <translation>officer %1 has %2 tactics, outside 0–31</translation>
    </message>
    <message>
        <source>第 %1 号武将的亲爱武将数为 %2，超出 0～2</source>
        <comment>kReasonLikedCount</comment>
        <translation>officer %1 has %2 liked officers, outside 0–2</translation>
    </message>
    <message>
        <source>第 %1 号武将的嫌恶武将数为 %2，超出 0～2</source>
        <comment>kReasonDislikedCount</comment>
        <translation>officer %1 has %2 disliked officers, outside 0–2</translation>
    </message>
    <message>
        <source>第 %1 号武将的数据不完整：文件在偏移 %2 处结束</source>
        <comment>kReasonCutOff</comment>
        <translation>officer %1 is incomplete: the file ends at offset %2</translation>
    </message>
    <message>
        <source>存档中有 1000 名武将而没有结束标记，超出武将表的容量</source>
        <comment>kReasonNoEndMarker</comment>
        <translation>the file holds 1000 officers and no end marker, more than the officer table holds</translation>
    </message>
    <message>
        <source>原存档不存在</source>
        <comment>kReasonNoOriginal</comment>
        <translation>the original file does not exist</translation>
    </message>
    <message>
        <source>无法创建新文件</source>
        <comment>kReasonCannotCreateNew</comment>
        <translation>cannot create the new file</translation>
    </message>
    <message>
        <source>写入中途失败</source>
        <comment>kReasonWriteCutShort</comment>
        <translation>the write failed part-way</translation>
    </message>
    <message>
        <source>无法用新文件替换原文件%1</source>
        <comment>kReasonCannotReplace</comment>
        <translation>cannot replace the file with the new one%1</translation>
    </message>
    <message>
        <source>无法复制文件</source>
        <comment>kReasonCannotCopy</comment>
        <translation>cannot copy the file</translation>
    </message>
    <message>
        <source>无法复制文件：</source>
        <comment>kReasonCannotCopyBecause</comment>
        <translation>cannot copy the file: </translation>
    </message>
    <message>
        <source>打开CG文件错误!!请确认你是否是在革新游戏目录下运行!!</source>
        <comment>kTextOpenFaceFailed</comment>
        <translation>Cannot open the CG file!! Check that the game folder of Kakushin is the right one!!</translation>
    </message>
    <message>
        <source>文件太短，容不下头像档案的文件头</source>
        <comment>kReasonFaceFileShort</comment>
        <translation>the file is too short for a face archive&apos;s header</translation>
    </message>
    <message>
        <source>头像数小于 1：%1</source>
        <comment>kReasonFaceCountBelowOne</comment>
        <translation>fewer than 1 face: %1</translation>
    </message>
    <message>
        <source>头像数超出文件所能容纳的数目：%1</source>
        <comment>kReasonFaceCountTooLarge</comment>
        <translation>more faces than the file can hold: %1</translation>
    </message>
    <message>
        <source>头像编号超出档案范围：%1 / %2</source>
        <comment>kReasonFaceIndexOutside</comment>
        <translation>face number outside the archive: %1 / %2</translation>
    </message>
    <message>
        <source>第 %1 号头像的位置在文件之外：%2</source>
        <comment>kReasonFaceOffsetOutside</comment>
        <translation>face %1 lies outside the file: %2</translation>
    </message>
    <message>
        <source>第 %1 号头像的像素数据超出文件末尾</source>
        <comment>kReasonFacePixelsPastEnd</comment>
        <translation>the pixels of face %1 run past the end of the file</translation>
    </message>
    <message>
        <source>第 %1 号头像的高度大于存储的行数：%2 &gt; %3</source>
        <comment>kReasonFaceHeightOverRows</comment>
        <translation>face %1 is taller than its stored rows: %2 &gt; %3</translation>
    </message>
    <message>
        <source>第 %1 号头像的尺寸不合理：%2x%3, %4x%5</source>
        <comment>kReasonFaceBadSize</comment>
        <translation>face %1 has an impossible size: %2x%3, %4x%5</translation>
    </message>
    <message>
        <source>不是普通文件</source>
        <comment>kReasonNotRegularFile</comment>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>文件超过上限 %1 字节</source>
        <comment>kReasonFileTooLarge</comment>
        <translation>the file is larger than %1 bytes</translation>
    </message>
    <message>
        <source>文件短于 %1 字节</source>
        <comment>kReasonFileTooShort</comment>
        <translation>the file is shorter than %1 bytes</translation>
    </message>
    <message>
        <source>无法将文件写入磁盘</source>
        <comment>kReasonCannotFlush</comment>
        <translation>cannot write the file to disk</translation>
    </message>
    <message>
        <source>无法关闭文件</source>
        <comment>kReasonCannotClose</comment>
        <translation>cannot close the file</translation>
    </message>
    <message>
        <source>无法将文件夹写入磁盘</source>
        <comment>kReasonFolderNotFlushed</comment>
        <translation>cannot write the folder to disk</translation>
    </message>
    <message>
        <source>已用新文件替换武将存档，但无法确认已写入磁盘：</source>
        <comment>kTextReplacedNotFlushed</comment>
        <translation>The officer file was replaced with the new one, but it could not be confirmed on disk: </translation>
    </message>
    <message>
        <source>无法读取空白武将数据 BK.DAT，未写入任何内容：</source>
        <comment>kTextBlankSlotMissing</comment>
        <translation>Cannot read the blank officer BK.DAT; nothing was written: </translation>
    </message>
    <message>
        <source>无法删除文件%1</source>
        <comment>kReasonCannotRemove</comment>
        <translation>cannot delete the file%1</translation>
    </message>
    <message>
        <source>无法恢复这个备份，武将存档未改变：</source>
        <comment>kTextRestoreFailed</comment>
        <translation>Cannot restore this backup; the officer file is unchanged: </translation>
    </message>
    <message>
        <source>恢复备份…</source>
        <comment>kMenuRestoreBackup</comment>
        <translation>Restore a backup…</translation>
    </message>
    <message>
        <source>恢复备份</source>
        <comment>kTitleRestoreBackup</comment>
        <translation>Restore a backup</translation>
    </message>
    <message>
        <source>备份文件</source>
        <comment>kBackupColumnFile</comment>
        <translation>Backup file</translation>
    </message>
    <message>
        <source>备份时间</source>
        <comment>kBackupColumnDate</comment>
        <translation>Made</translation>
    </message>
    <message>
        <source>武将数</source>
        <comment>kBackupColumnOfficers</comment>
        <translation>Officers</translation>
    </message>
    <message>
        <source>此后的改动（到当前存档）</source>
        <comment>kBackupColumnSince</comment>
        <translation>Changes since (to the current file)</translation>
    </message>
    <message>
        <source>%1（最新）</source>
        <comment>kBackupNewest</comment>
        <translation>%1 (newest)</translation>
    </message>
    <message>
        <source>与当前存档相同</source>
        <comment>kBackupNoChange</comment>
        <translation>Same as the current file</translation>
    </message>
    <message>
        <source>新增 %1 名，删除 %2 名，修改 %3 名</source>
        <comment>kBackupChanges</comment>
        <translation>%1 added, %2 deleted, %3 changed</translation>
    </message>
    <message>
        <source>文件头不同</source>
        <comment>kBackupHeaderChanged</comment>
        <translation>header differs</translation>
    </message>
    <message>
        <source>无法读取：</source>
        <comment>kBackupUnreadable</comment>
        <translation>unreadable: </translation>
    </message>
    <message>
        <source>无法读取当前存档，不能比较</source>
        <comment>kBackupCurrentUnreadable</comment>
        <translation>the current file cannot be read, so nothing to compare</translation>
    </message>
    <message>
        <source>这个存档还没有备份。每次保存时，原有存档会备份在它旁边。</source>
        <comment>kBackupNone</comment>
        <translation>This file has no backups yet. Each save backs up the file as it was, beside it.</translation>
    </message>
    <message>
        <source>第 %1 号 %2：新增</source>
        <comment>kBackupOfficerAdded</comment>
        <translation>slot %1 %2: added</translation>
    </message>
    <message>
        <source>第 %1 号 %2：删除</source>
        <comment>kBackupOfficerRemoved</comment>
        <translation>slot %1 %2: deleted</translation>
    </message>
    <message>
        <source>第 %1 号 %2：%3  %4 → %5</source>
        <comment>kBackupFieldChanged</comment>
        <translation>slot %1 %2: %3  %4 → %5</translation>
    </message>
    <message>
        <source>保留带日期的备份：</source>
        <comment>kBackupKeepLabel</comment>
        <translation>Dated backups to keep:</translation>
    </message>
    <message>
        <source>恢复</source>
        <comment>kBackupRestoreButton</comment>
        <translation>Restore</translation>
    </message>
    <message>
        <source>关闭</source>
        <comment>kBackupCloseButton</comment>
        <translation>Close</translation>
    </message>
    <message>
        <source>用这个备份替换当前武将存档吗？<byte value="xd"/>%1<byte value="xd"/>当前存档会先成为最新的备份，以后还可以恢复。</source>
        <comment>kBackupRestoreQuestion</comment>
        <translation>Replace the current officer file with this backup?<byte value="xd"/>%1<byte value="xd"/>The current file becomes the newest backup first and can be restored later.</translation>
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
        <translation>1555 Unifying Owari</translation>
    </message>
    <message>
        <source>1561年 龍虎相擊つ</source>
        <comment>kScenario1561</comment>
        <translation>1561 Dragon and Tiger Clash</translation>
    </message>
    <message>
        <source>1570年 義弟離反</source>
        <comment>kScenario1570</comment>
        <translation>1570 The Brother-in-law Rebels</translation>
    </message>
    <message>
        <source>1582年 梦幻の如く</source>
        <comment>kScenario1582</comment>
        <translation>1582 Like a Dream</translation>
    </message>
    <message>
        <source>嵗</source>
        <comment>kAgeSuffix</comment>
        <translation> yrs</translation>
    </message>
    <message>
        <source>  元服前</source>
        <comment>kNotOfAge</comment>
        <translation>  not of age</translation>
    </message>
    <message>
        <source>革新QorvaneFOR [中日文PK通用版V1222]!</source>
        <comment>kAppTitleBase</comment>
        <translation>Kakushin QorvaneFOR [Chinese/Japanese PK V1222]!</translation>
    </message>
    <message>
        <source>   中文版修改</source>
        <comment>kAppTitleTc</comment>
        <translation>   Chinese edition</translation>
    </message>
    <message>
        <source>   日文版修改</source>
        <comment>kAppTitleJp</comment>
        <translation>   Japanese edition</translation>
    </message>
    <message>
        <source>数据读入中- - - - - - -</source>
        <comment>kReadingRowCaption</comment>
        <translation>Reading data- - - - - - -</translation>
    </message>
    <message>
        <source>武将一览表</source>
        <comment>kListCaption</comment>
        <translation>Officer list</translation>
    </message>
    <message>
        <source>继续吗??</source>
        <comment>kContinueQuestion</comment>
        <translation>Go on??</translation>
    </message>
    <message>
        <source>无法读取代码表，游戏文字将无法正确转换：</source>
        <comment>kTextTablesMissing</comment>
        <translation>Cannot read the code tables; game text will not convert correctly: </translation>
    </message>
    <message>
        <source>代码表错误</source>
        <comment>kTitleTables</comment>
        <translation>Code table error</translation>
    </message>
    <message>
        <source>姓 输入不符，１－3个汉字</source>
        <comment>kFamilyNameRefused</comment>
        <translation>Family name refused: 1–3 Chinese characters</translation>
    </message>
    <message>
        <source>名 输入不符，１－3个汉字</source>
        <comment>kGivenNameRefused</comment>
        <translation>Given name refused: 1–3 Chinese characters</translation>
    </message>
    <message>
        <source>战国神秘的武将人物！</source>
        <comment>kDefaultBiography</comment>
        <translation>战国神秘的武将人物！</translation>
    </message>
    <message>
        <source>尚没有登录武将！！</source>
        <comment>kNoOfficerHere</comment>
        <translation>No officer registered yet!!</translation>
    </message>
    <message>
        <source>武将已满（最多 999 名），无法再添加</source>
        <comment>kTableFull</comment>
        <translation>The table is full (999 officers at most); no more can be added</translation>
    </message>
    <message>
        <source>%1 输入不符，请输入 -2147483648～2147483647 之间的整数</source>
        <comment>kNumberRefused</comment>
        <translation>%1 refused: enter a whole number from -2147483648 to 2147483647</translation>
    </message>
    <message>
        <source>统御</source>
        <comment>kLabelLeadership</comment>
        <translation>Leadership</translation>
    </message>
    <message>
        <source>武力</source>
        <comment>kLabelValour</comment>
        <translation>Valour</translation>
    </message>
    <message>
        <source>智力</source>
        <comment>kLabelIntellect</comment>
        <translation>Intellect</translation>
    </message>
    <message>
        <source>政治</source>
        <comment>kLabelPolitics</comment>
        <translation>Politics</translation>
    </message>
    <message>
        <source>义理</source>
        <comment>kLabelDuty</comment>
        <translation>Duty</translation>
    </message>
    <message>
        <source>诞生年</source>
        <comment>kLabelBirthYear</comment>
        <translation>Birth year</translation>
    </message>
    <message>
        <source>死亡年</source>
        <comment>kLabelDeathYear</comment>
        <translation>Death year</translation>
    </message>
    <message>
        <source>，战国神秘的武将人物！</source>
        <comment>kRandomBiographyEnd</comment>
        <translation>，战国神秘的武将人物！</translation>
    </message>
    <message>
        <source>下列文字无法按原样保存，将变为？或被删去：</source>
        <comment>kCharactersNotKept</comment>
        <translation>These characters cannot be saved as they are and become ? or are dropped: </translation>
    </message>
    <message>
        <source>姓</source>
        <comment>kFieldFamilyName</comment>
        <translation>Family name</translation>
    </message>
    <message>
        <source>名</source>
        <comment>kFieldGivenName</comment>
        <translation>Given name</translation>
    </message>
    <message>
        <source>姓音</source>
        <comment>kFieldFamilyReading</comment>
        <translation>Family reading</translation>
    </message>
    <message>
        <source>名音</source>
        <comment>kFieldGivenReading</comment>
        <translation>Given reading</translation>
    </message>
    <message>
        <source>列传</source>
        <comment>kFieldBiography</comment>
        <translation>Biography</translation>
    </message>
    <message>
        <source>下列数值超出游戏使用的范围：</source>
        <comment>kOutsideGameRange</comment>
        <translation>These values are outside the range the game uses:</translation>
    </message>
    <message>
        <source>，游戏使用 </source>
        <comment>kGameUses</comment>
        <translation>; the game uses </translation>
    </message>
    <message>
        <source>～</source>
        <comment>kRangeDash</comment>
        <translation>–</translation>
    </message>
    <message>
        <source> 早于诞生年 </source>
        <comment>kEarlierThanBirth</comment>
        <translation> is before the birth year </translation>
    </message>
    <message>
        <source>仍要保存吗？</source>
        <comment>kGoOnQuestion</comment>
        <translation>Save anyway?</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>%2</source>
        <comment>kCommitQuestion</comment>
        <translation>%1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>列传太长：最多 146 字节（73 个汉字），现有 %1 个字（%2 字节）</source>
        <comment>kBiographyTooLong</comment>
        <translation>Biography too long: 146 bytes (73 Chinese characters) at most; it has %1 characters (%2 bytes)</translation>
    </message>
    <message>
        <source>姓音 输入不符，最多 9 个假名</source>
        <comment>kFamilyReadingRefused</comment>
        <translation>Family reading refused: 9 kana at most</translation>
    </message>
    <message>
        <source>名音 输入不符，最多 9 个假名</source>
        <comment>kGivenReadingRefused</comment>
        <translation>Given reading refused: 9 kana at most</translation>
    </message>
    <message>
        <source>没有找到这个名字的武将</source>
        <comment>kSearchNoMatch</comment>
        <translation>No officer of this name</translation>
    </message>
    <message>
        <source>修改 %1</source>
        <comment>kEditModify</comment>
        <translation>Modify %1</translation>
    </message>
    <message>
        <source>添加 %1</source>
        <comment>kEditAdd</comment>
        <translation>Add %1</translation>
    </message>
    <message>
        <source>更改头像 %1</source>
        <comment>kEditPortrait</comment>
        <translation>Portrait of %1</translation>
    </message>
    <message>
        <source>导入 %1 行</source>
        <comment>kEditImport</comment>
        <translation>Import %1 rows</translation>
    </message>
    <message>
        <source>编辑</source>
        <comment>kMenuEdit</comment>
        <translation>Edit</translation>
    </message>
    <message>
        <source>撤销</source>
        <comment>kMenuUndo</comment>
        <translation>Undo</translation>
    </message>
    <message>
        <source>重做</source>
        <comment>kMenuRedo</comment>
        <translation>Redo</translation>
    </message>
    <message>
        <source>保存</source>
        <comment>kButtonSave</comment>
        <translation>Save</translation>
    </message>
    <message>
        <source>不保存</source>
        <comment>kButtonDontSave</comment>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>修改</source>
        <comment>kButtonCommit</comment>
        <translation>Modify</translation>
    </message>
    <message>
        <source>不修改</source>
        <comment>kButtonDontCommit</comment>
        <translation>Don&apos;t modify</translation>
    </message>
    <message>
        <source>取消</source>
        <comment>kButtonCancel</comment>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>武将表有尚未保存到武将存档的修改。要先保存吗？</source>
        <comment>kUnsavedQuestion</comment>
        <translation>The officer table has changes not yet saved to the officer file. Save them first?</translation>
    </message>
    <message>
        <source>编辑框中 %1 的改动尚未修改到武将表。要先修改吗？</source>
        <comment>kUncommittedQuestion</comment>
        <translation>The boxes hold changes to %1 not yet written to the table. Modify first?</translation>
    </message>
    <message>
        <source>编辑框中的改动尚未修改到武将表，%1后将不再显示。继续吗？</source>
        <comment>kStepDropsEditsQuestion</comment>
        <translation>The boxes hold changes not yet written to the table; after %1 they are no longer shown. Go on?</translation>
    </message>
    <message>
        <source>语音</source>
        <comment>kTitleVoice</comment>
        <translation>Voice</translation>
    </message>
    <message>
        <source>无法播放语音样本：</source>
        <comment>kTextVoiceNotPlayed</comment>
        <translation>Cannot play the voice sample: </translation>
    </message>
    <message>
        <source>本机没有找到声音输出设备，语音样本可能听不到：</source>
        <comment>kTextNoAudioOutput</comment>
        <translation>No sound output was found on this computer; voice samples may not be heard: </translation>
    </message>
    <message>
        <source>
语音选项照常可以选择；本次运行不再提示。</source>
        <comment>kTextVoicesStillSelect</comment>
        <translation>
Voices can still be chosen; this run will not tell you again.</translation>
    </message>
    <message>
        <source>找不到这个语音文件，请确认游戏文件夹正确。</source>
        <comment>kReasonVoiceFileMissing</comment>
        <translation>This voice file is missing; check the game folder.</translation>
    </message>
    <message>
        <source>这个语音文件无法解码。</source>
        <comment>kReasonVoiceUndecodable</comment>
        <translation>This voice file cannot be decoded.</translation>
    </message>
    <message>
        <source>媒体后端报告：</source>
        <comment>kReasonMediaBackendSays</comment>
        <translation>The media back end says: </translation>
    </message>
    <message>
        <source>请检查声卡和声音服务（PulseAudio 或 PipeWire）。</source>
        <comment>kReasonCheckSoundService</comment>
        <translation>Check the sound card and the sound service (PulseAudio or PipeWire).</translation>
    </message>
    <message>
        <source>如果缺少解码器或声音输出，请安装软件包 gstreamer1.0-plugins-good 和 gstreamer1.0-alsa（或 gstreamer1.0-pulseaudio），然后重新启动编辑器。</source>
        <comment>kReasonInstallGstreamerPlugins</comment>
        <translation>If a decoder or the sound output is missing, install the packages gstreamer1.0-plugins-good and gstreamer1.0-alsa (or gstreamer1.0-pulseaudio), then start the editor again.</translation>
    </message>
    <message>
        <source>GStreamer 无法初始化（%1）。</source>
        <comment>kReasonGstreamerCannotStart</comment>
        <translation>GStreamer cannot start (%1).</translation>
    </message>
    <message>
        <source>缺少 GStreamer 组件 %1。请安装软件包 %2，然后重新启动编辑器。</source>
        <comment>kReasonGstreamerPiecesMissing</comment>
        <translation>GStreamer lacks %1. Install the package %2, then start the editor again.</translation>
    </message>
    <message>
        <source>找不到说明文档：</source>
        <comment>kTextReadmeMissing</comment>
        <translation>The readme is missing: </translation>
    </message>
    <message>
        <source>无法读取说明文档：</source>
        <comment>kTextReadmeUnreadable</comment>
        <translation>Cannot read the readme: </translation>
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
        <translation>unknown column</translation>
    </message>
    <message>
        <source>不是正整数</source>
        <comment>kCellNotPositive</comment>
        <translation>not a positive whole number</translation>
    </message>
    <message>
        <source>含有 GBK 中没有的字</source>
        <comment>kCellNotGbk</comment>
        <translation>has characters that GBK lacks</translation>
    </message>
    <message>
        <source>不是列表中的一项</source>
        <comment>kCellNotInList</comment>
        <translation>not an item of the list</translation>
    </message>
    <message>
        <source>不是整数</source>
        <comment>kCellNotInteger</comment>
        <translation>not a whole number</translation>
    </message>
    <message>
        <source>最多两名武将</source>
        <comment>kCellTwoOfficersAtMost</comment>
        <translation>two officers at most</translation>
    </message>
    <message>
        <source>不是武将编号（0～1629 或 10000～10999）</source>
        <comment>kCellNotOfficer</comment>
        <translation>not an officer number (0–1629 or 10000–10999)</translation>
    </message>
    <message>
        <source>不是 0～32767 的头像编号</source>
        <comment>kCellNotPortrait</comment>
        <translation>not a portrait number from 0 to 32767</translation>
    </message>
    <message>
        <source>不是武将编号（0～1629 或 10000～10999）或“无”</source>
        <comment>kCellNotOfficerOrNone</comment>
        <translation>neither an officer number (0–1629 or 10000–10999) nor “无”</translation>
    </message>
    <message>
        <source>不是内置武将编号（0～1629）</source>
        <comment>kCellNotBuiltInOfficer</comment>
        <translation>not a built-in officer&apos;s number (0–1629)</translation>
    </message>
    <message>
        <source>需要九个等级（S A B C D）</source>
        <comment>kCellNeedsNineRanks</comment>
        <translation>needs nine ranks (S A B C D)</translation>
    </message>
    <message>
        <source>等级只能是 S A B C D</source>
        <comment>kCellRankLetters</comment>
        <translation>ranks are S A B C D only</translation>
    </message>
    <message>
        <source>战法编号只能是 0～29</source>
        <comment>kCellTacticNumbers</comment>
        <translation>tactic numbers are 0–29 only</translation>
    </message>
    <message>
        <source>删除 %1</source>
        <comment>kEditDelete</comment>
        <translation>Delete %1</translation>
    </message>
    <message>
        <source>删除 %1 名武将</source>
        <comment>kEditDeleteMany</comment>
        <translation>Delete %1 officers</translation>
    </message>
    <message>
        <source>复制 %1</source>
        <comment>kEditDuplicate</comment>
        <translation>Duplicate %1</translation>
    </message>
    <message>
        <source>复制 %1 名武将</source>
        <comment>kEditDuplicateMany</comment>
        <translation>Duplicate %1 officers</translation>
    </message>
    <message>
        <source>移动 %1 到第 %2 位</source>
        <comment>kEditMove</comment>
        <translation>Move %1 to place %2</translation>
    </message>
    <message>
        <source>移动 %1</source>
        <comment>kEditMoveOne</comment>
        <translation>Move %1</translation>
    </message>
    <message>
        <source>移动 %1 名武将</source>
        <comment>kEditMoveMany</comment>
        <translation>Move %1 officers</translation>
    </message>
    <message>
        <source>批量修改 %1 名武将的%2</source>
        <comment>kEditBatch</comment>
        <translation>Change %2 of %1 officers</translation>
    </message>
    <message>
        <source>第 %1 号不是武将：武将表中有 %2 名武将</source>
        <comment>kNotAnOfficerSlot</comment>
        <translation>slot %1 is not an officer: the table holds %2 officers</translation>
    </message>
    <message>
        <source>没有选中武将</source>
        <comment>kNoOfficerChosen</comment>
        <translation>No officer chosen</translation>
    </message>
    <message>
        <source>删除下列武将吗？
%1</source>
        <comment>kDeleteQuestion</comment>
        <translation>Delete these officers?
%1</translation>
    </message>
    <message>
        <source>

下列武将的实父、亲爱或嫌恶武将指向被删除的武将，将被清除：
%1</source>
        <comment>kDeleteRelationsCleared</comment>
        <translation>

These officers&apos; father, liked or disliked officer is one deleted and will be cleared:
%1</translation>
    </message>
    <message>
        <source>这个值不在列表中</source>
        <comment>kBatchValueOutside</comment>
        <translation>This value is not in the list</translation>
    </message>
    <message>
        <source>不在列表中（%1～%2）</source>
        <comment>kCheckNotInList</comment>
        <translation>not in the list (%1–%2)</translation>
    </message>
    <message>
        <source>是城列表中的分隔行，不是城</source>
        <comment>kCheckSeparator</comment>
        <translation>a separator of the castle list, not a castle</translation>
    </message>
    <message>
        <source>指向不存在的武将</source>
        <comment>kCheckNoSuchOfficer</comment>
        <translation>names an officer who does not exist</translation>
    </message>
    <message>
        <source>不是内置武将的编号（0～%1）</source>
        <comment>kCheckNoBuiltInOfficer</comment>
        <translation>not a built-in officer&apos;s number (0–%1)</translation>
    </message>
    <message>
        <source>早于诞生年 %1</source>
        <comment>kCheckDeathBeforeBirth</comment>
        <translation>before the birth year %1</translation>
    </message>
    <message>
        <source>超出游戏使用的范围 %1～%2</source>
        <comment>kCheckOutsideRange</comment>
        <translation>outside the range the game uses, %1–%2</translation>
    </message>
    <message>
        <source>无法按本版本的编码解读（第 %1 字节起）</source>
        <comment>kCheckNotDecoded</comment>
        <translation>cannot be read in this edition&apos;s encoding (from byte %1)</translation>
    </message>
    <message>
        <source>与第 %1 号武将同名</source>
        <comment>kCheckSameName</comment>
        <translation>same name as officer %1</translation>
    </message>
    <message>
        <source>检查：%1 处数值游戏不接受（单击一行显示该武将）</source>
        <comment>kCheckPanelTitle</comment>
        <translation>Check: %1 values the game refuses (click a row to show the officer)</translation>
    </message>
    <message>
        <source>“%1”不是列表中的数值列：可用 统率 武勇 智慧 政治 义理 ＣＧ（或 武力、CG、Leadership 等）</source>
        <comment>kFilterUnknownColumn</comment>
        <translation>“%1” is not a number column of the list: use Leadership, Valour, Intellect, Politics, Duty or CG (or 统率, 武力 and so on)</translation>
    </message>
    <message>
        <source>“%1”不是条件：请写成 武力&gt;100、CG&gt;=1700 这样</source>
        <comment>kFilterBadCondition</comment>
        <translation>“%1” is not a condition: write it like Valour&gt;100 or CG&gt;=1700</translation>
    </message>
    <message>
        <source>第 %1 / %2 页</source>
        <comment>kPickerPage</comment>
        <translation>Page %1 / %2</translation>
    </message>
    <message>
        <source>武将ＣＧ一览</source>
        <comment>kPickerCaption</comment>
        <translation>Officer portraits</translation>
    </message>
    <message>
        <source>窗口</source>
        <comment>kMenuWindows</comment>
        <translation>Windows</translation>
    </message>
    <message>
        <source>重新排列窗口</source>
        <comment>kMenuArrange</comment>
        <translation>Arrange windows</translation>
    </message>
    <message>
        <source>游戏与存档文件夹…</source>
        <comment>kMenuFolders</comment>
        <translation>Game and save folders…</translation>
    </message>
    <message>
        <source>游戏与存档文件夹</source>
        <comment>kFoldersTitle</comment>
        <translation>Game and save folders</translation>
    </message>
    <message>
        <source>找不到游戏或武将存档，请选择文件夹：</source>
        <comment>kFoldersNotFound</comment>
        <translation>The game or the officer file was not found; choose the folders:</translation>
    </message>
    <message>
        <source>游戏文件夹中没有：</source>
        <comment>kFoldersGameLacks</comment>
        <translation>Missing from the game folder: </translation>
    </message>
    <message>
        <source>文档文件夹中没有武将存档的文件夹：</source>
        <comment>kFoldersNoOfficerFolder</comment>
        <translation>The documents folder has no officer file folder: </translation>
    </message>
    <message>
        <source>编辑器从游戏的安装文件夹读取头像（Grp 文件夹），从“我的文档”文件夹下的 KOEI 文件夹读取登录武将存档。如果还没有武将存档，请先运行游戏进入登录武将一次。</source>
        <comment>kFoldersIntro</comment>
        <translation>The editor reads the faces from the game&apos;s install folder (its Grp folder) and the registered officers from the KOEI folder in &quot;My Documents&quot;. If there is no officer file yet, start the game and enter officer registration once.</translation>
    </message>
    <message>
        <source>Wine 环境</source>
        <comment>kFoldersWine</comment>
        <translation>Wine prefix</translation>
    </message>
    <message>
        <source>从 Wine 环境中查找…</source>
        <comment>kFoldersWinePick</comment>
        <translation>Find in a Wine prefix…</translation>
    </message>
    <message>
        <source>游戏文件夹</source>
        <comment>kFoldersGame</comment>
        <translation>Game folder</translation>
    </message>
    <message>
        <source>文档文件夹</source>
        <comment>kFoldersDocuments</comment>
        <translation>Documents folder</translation>
    </message>
    <message>
        <source>浏览…</source>
        <comment>kFoldersBrowse</comment>
        <translation>Browse…</translation>
    </message>
    <message>
        <source>√ 找到全部头像文件</source>
        <comment>kFoldersGameFound</comment>
        <translation>√ All face files found</translation>
    </message>
    <message>
        <source>√ 找到武将存档</source>
        <comment>kFoldersOfficerFileFound</comment>
        <translation>√ Officer file found</translation>
    </message>
    <message>
        <source>√ 找到武将存档的文件夹，读取时新建空的存档</source>
        <comment>kFoldersOfficerFolderFound</comment>
        <translation>√ Officer file folder found; an empty file is made on loading</translation>
    </message>
    <message>
        <source>× </source>
        <comment>kFoldersMissingMark</comment>
        <translation>× </translation>
    </message>
    <message>
        <source>确定</source>
        <comment>kFoldersOk</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>跳过</source>
        <comment>kFoldersSkip</comment>
        <translation>Skip</translation>
    </message>
    <message>
        <source>不选文件夹，按现在的设置继续；以后可以从“系统”菜单再选</source>
        <comment>kFoldersSkipTip</comment>
        <translation>Go on with the present folders; choose them later from the System menu</translation>
    </message>
    <message>
        <source>取消</source>
        <comment>kFoldersCancel</comment>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>不改变文件夹</source>
        <comment>kFoldersCancelTip</comment>
        <translation>Keep the folders</translation>
    </message>
    <message>
        <source>选择游戏的安装文件夹</source>
        <comment>kFoldersChooseGame</comment>
        <translation>Choose the game&apos;s install folder</translation>
    </message>
    <message>
        <source>选择“我的文档”文件夹</source>
        <comment>kFoldersChooseDocuments</comment>
        <translation>Choose the &quot;My Documents&quot; folder</translation>
    </message>
    <message>
        <source>在找到的 Wine 环境中查找游戏和“我的文档”文件夹</source>
        <comment>kTipWinePrefixes</comment>
        <translation>Look for the game and &quot;My Documents&quot; in the Wine prefixes found</translation>
    </message>
    <message>
        <source>游戏的安装文件夹：其中的 Grp 文件夹存放头像文件</source>
        <comment>kTipGameFolder</comment>
        <translation>The game&apos;s install folder: its Grp folder holds the face files</translation>
    </message>
    <message>
        <source>“我的文档”文件夹：武将存档在其中的 KOEI 文件夹下</source>
        <comment>kTipDocumentsFolder</comment>
        <translation>The &quot;My Documents&quot; folder: the officer file is in its KOEI folder</translation>
    </message>
    <message>
        <source>记住这两个文件夹，并从中读取头像和武将存档</source>
        <comment>kTipFoldersOk</comment>
        <translation>Remember both folders and read the faces and the officer file from them</translation>
    </message>
    <message>
        <source>姓：1～3 个汉字</source>
        <comment>kTipFamilyName</comment>
        <translation>Family name: 1–3 Chinese characters</translation>
    </message>
    <message>
        <source>名：1～3 个汉字</source>
        <comment>kTipGivenName</comment>
        <translation>Given name: 1–3 Chinese characters</translation>
    </message>
    <message>
        <source>姓的读音：最多 9 个假名</source>
        <comment>kTipFamilyReading</comment>
        <translation>Reading of the family name: 9 kana at most</translation>
    </message>
    <message>
        <source>名的读音：最多 9 个假名</source>
        <comment>kTipGivenReading</comment>
        <translation>Reading of the given name: 9 kana at most</translation>
    </message>
    <message>
        <source>列传：最多 73 个汉字（146 字节）；留空则写入“战国神秘的武将人物！”</source>
        <comment>kTipBiography</comment>
        <translation>Biography: 73 Chinese characters (146 bytes) at most; left empty, “战国神秘的武将人物！” is written</translation>
    </message>
    <message>
        <source>诞生年：须大于 0；下面四个剧本中的年龄由此算出</source>
        <comment>kTipBirthYear</comment>
        <translation>Birth year: above 0; the ages in the four scenarios below follow from it</translation>
    </message>
    <message>
        <source>死亡年：游戏使用不早于诞生年的年份</source>
        <comment>kTipDeathYear</comment>
        <translation>Death year: the game uses years not before the birth year</translation>
    </message>
    <message>
        <source>%1：游戏使用 %2～%3</source>
        <comment>kTipGameRange</comment>
        <translation>%1: the game uses %2–%3</translation>
    </message>
    <message>
        <source>性别</source>
        <comment>kTipGender</comment>
        <translation>Gender</translation>
    </message>
    <message>
        <source>%1适性：Ｓ 最高，Ｄ 最低</source>
        <comment>kTipAptitude</comment>
        <translation>%1 aptitude: Ｓ highest, Ｄ lowest</translation>
    </message>
    <message>
        <source>战法“%1”：勾选则该武将会此战法</source>
        <comment>kTipTactic</comment>
        <translation>Tactic “%1”: ticked, the officer knows it</translation>
    </message>
    <message>
        <source>勾选则三十个战法全部习得，取消则全部清除</source>
        <comment>kTipAllTactics</comment>
        <translation>Ticked: all thirty tactics learnt; cleared: none</translation>
    </message>
    <message>
        <source>显示相性武将列表的项数</source>
        <comment>kTipCompatibilityCount</comment>
        <translation>Shows the number of items in the compatibility list</translation>
    </message>
    <message>
        <source>字符代码：输入数字后按右边的按钮</source>
        <comment>kTipCodeBox</comment>
        <translation>Character code: type a number, then press the button on the right</translation>
    </message>
    <message>
        <source>显示左边代码所表示的字符</source>
        <comment>kTipCharacterOfCode</comment>
        <translation>Shows the character of the code on the left</translation>
    </message>
    <message>
        <source>实父：选择一名武将，或“无”</source>
        <comment>kTipFather</comment>
        <translation>Father: an officer, or “None”</translation>
    </message>
    <message>
        <source>相性武将：相性与此武将相同的武将</source>
        <comment>kTipCompatibility</comment>
        <translation>Compatibility: an officer whose compatibility this officer shares</translation>
    </message>
    <message>
        <source>亲爱武将</source>
        <comment>kFieldLiked1</comment>
        <translation>Liked officer</translation>
    </message>
    <message>
        <source>亲爱武将二</source>
        <comment>kFieldLiked2</comment>
        <translation>Second liked officer</translation>
    </message>
    <message>
        <source>嫌恶武将</source>
        <comment>kFieldDisliked1</comment>
        <translation>Disliked officer</translation>
    </message>
    <message>
        <source>嫌恶武将二</source>
        <comment>kFieldDisliked2</comment>
        <translation>Second disliked officer</translation>
    </message>
    <message>
        <source>从武将列表中选择%1</source>
        <comment>kTipPick</comment>
        <translation>Choose the %1 from the officer list</translation>
    </message>
    <message>
        <source>实父设为“无”</source>
        <comment>kTipFatherNone</comment>
        <translation>Set the father to “None”</translation>
    </message>
    <message>
        <source>出自</source>
        <comment>kTipOrigin</comment>
        <translation>Origin</translation>
    </message>
    <message>
        <source>信仰</source>
        <comment>kTipFaith</comment>
        <translation>Faith</translation>
    </message>
    <message>
        <source>所属城</source>
        <comment>kTipCastle</comment>
        <translation>Castle</translation>
    </message>
    <message>
        <source>在地图上选择所属城</source>
        <comment>kTipMapButton</comment>
        <translation>Choose the castle on the map</translation>
    </message>
    <message>
        <source>状态</source>
        <comment>kTipStatus</comment>
        <translation>Status</translation>
    </message>
    <message>
        <source>登场/出场</source>
        <comment>kTipAppearance</comment>
        <translation>Appearance</translation>
    </message>
    <message>
        <source>声音“%1”：点击试听</source>
        <comment>kTipVoice</comment>
        <translation>Voice “%1”: click to listen</translation>
    </message>
    <message>
        <source>中日文译：勾选时姓名在游戏文字和简体中文之间转换，并列入关系的武将列表</source>
        <comment>kTipTranslate</comment>
        <translation>Chinese/Japanese: ticked, names convert between the game&apos;s text and Simplified Chinese, and in the relations&apos; lists</translation>
    </message>
    <message>
        <source>勾选时，游戏文字按繁体字输入和显示</source>
        <comment>kTipTraditional</comment>
        <translation>Ticked: game text is typed and shown in Traditional characters</translation>
    </message>
    <message>
        <source>武将存档在“我的文档”文件夹下的位置</source>
        <comment>kTipOfficerFile</comment>
        <translation>Where the officer file is in &quot;My Documents&quot;</translation>
    </message>
    <message>
        <source>重新读取武将存档；未保存的修改将丢失</source>
        <comment>kTipOpen</comment>
        <translation>Read the officer file again; unsaved changes are lost</translation>
    </message>
    <message>
        <source>打开武将ＣＧ一览，为武将选择头像</source>
        <comment>kTipChoosePortrait</comment>
        <translation>Open the portrait list to choose the officer&apos;s face</translation>
    </message>
    <message>
        <source>把以上内容写入当前武将；按“保存所有修改”才写入存档</source>
        <comment>kTipModify</comment>
        <translation>Write the above into the current officer; &quot;Save all changes&quot; writes the file</translation>
    </message>
    <message>
        <source>以以上内容添加一名新武将</source>
        <comment>kTipAdd</comment>
        <translation>Add a new officer with the above</translation>
    </message>
    <message>
        <source>随机武将：随机填入一名武将的内容，不会自动写入</source>
        <comment>kTipRandom</comment>
        <translation>Random officer: fills in a random officer, written only when you say</translation>
    </message>
    <message>
        <source>全部武将：选择一名，填入按“选”打开此列表的那一栏</source>
        <comment>kTipReferenceList</comment>
        <translation>All officers: the one chosen goes into the field whose 选 opened this list</translation>
    </message>
    <message>
        <source>要在武将列表中查找的名字，按回车查找</source>
        <comment>kTipReferenceSearch</comment>
        <translation>A name to find in the officer list; Enter finds it</translation>
    </message>
    <message>
        <source>在武将列表中查找名字含有左边文字的武将</source>
        <comment>kTipReferenceFind</comment>
        <translation>Find officers whose name holds the text on the left</translation>
    </message>
    <message>
        <source>关闭武将列表</source>
        <comment>kTipReferenceClose</comment>
        <translation>Close the officer list</translation>
    </message>
    <message>
        <source>所选武将的%1</source>
        <comment>kTipReferenceFigure</comment>
        <translation>%1 of the officer chosen</translation>
    </message>
    <message>
        <source>参考：</source>
        <comment>kNameReference</comment>
        <translation>Reference: </translation>
    </message>
    <message>
        <source>声音 %1</source>
        <comment>kNameVoice</comment>
        <translation>Voice %1</translation>
    </message>
    <message>
        <source>CG号</source>
        <comment>kLabelPortraitNumber</comment>
        <translation>CG no.</translation>
    </message>
    <message>
        <source>全部登录武将：点击一行，在编辑器中显示该武将</source>
        <comment>kTipListGrid</comment>
        <translation>All registered officers: click a row to show the officer in the editor</translation>
    </message>
    <message>
        <source>要查找的武将名字，按回车查找</source>
        <comment>kTipListSearch</comment>
        <translation>A name to find; Enter finds it</translation>
    </message>
    <message>
        <source>查找名字中含有左边文字的武将</source>
        <comment>kTipListFind</comment>
        <translation>Find officers whose name holds the text on the left</translation>
    </message>
    <message>
        <source>先备份原存档，再把全部武将写入存档</source>
        <comment>kTipSave</comment>
        <translation>Back up the file first, then write every officer into it</translation>
    </message>
    <message>
        <source>单击：让编辑器显示此头像；按住右键：看三种大小</source>
        <comment>kTipThumbnail</comment>
        <translation>Click: show this face in the editor; hold the right button: see its three sizes</translation>
    </message>
    <message>
        <source>翻页：每页 15 个头像</source>
        <comment>kTipPageBar</comment>
        <translation>Pages: 15 faces each</translation>
    </message>
    <message>
        <source>输入头像号后按回车</source>
        <comment>kTipTypedFace</comment>
        <translation>Type a face number, then Enter</translation>
    </message>
    <message>
        <source>输入头像号（从 1700 起）后按回车</source>
        <comment>kTipTypedEditFace</comment>
        <translation>Type a face number (from 1700), then Enter</translation>
    </message>
    <message>
        <source>把所选头像给当前武将</source>
        <comment>kTipChange</comment>
        <translation>Give the chosen face to the current officer</translation>
    </message>
    <message>
        <source>不换头像，恢复武将原来的头像</source>
        <comment>kTipCancel</comment>
        <translation>Keep the officer&apos;s own face</translation>
    </message>
    <message>
        <source>头像 %1</source>
        <comment>kNameThumbnail</comment>
        <translation>Face %1</translation>
    </message>
    <message>
        <source>史实武将ＣＧ 翻页</source>
        <comment>kNamePageBarStandard</comment>
        <translation>Historical portraits, pages</translation>
    </message>
    <message>
        <source>新增武将ＣＧ 翻页</source>
        <comment>kNamePageBarEdit</comment>
        <translation>New officers&apos; portraits, pages</translation>
    </message>
    <message>
        <source>指定史实武将ＣＧ</source>
        <comment>kNameTypedStandard</comment>
        <translation>Historical portrait number</translation>
    </message>
    <message>
        <source>指定新增武将ＣＧ</source>
        <comment>kNameTypedEdit</comment>
        <translation>New officer&apos;s portrait number</translation>
    </message>
    <message>
        <source>实父</source>
        <comment>kFieldFather</comment>
        <translation>Father</translation>
    </message>
    <message>
        <source>相性武将</source>
        <comment>kFieldCompatibility</comment>
        <translation>Compatibility</translation>
    </message>
    <message>
        <source>Windows 无法播放声音，这台电脑可能没有可用的声音设备。</source>
        <comment>kReasonSystemCannotPlay</comment>
        <translation>Windows cannot play sound; this computer may have no usable sound device.</translation>
    </message>
    <message>
        <source>不是 PNG、JPEG 或 BMP 图片</source>
        <comment>kReasonPictureUnknown</comment>
        <translation>not a PNG, JPEG or BMP picture</translation>
    </message>
    <message>
        <source>图片已损坏，无法解码</source>
        <comment>kReasonPictureBroken</comment>
        <translation>the picture is damaged and cannot be decoded</translation>
    </message>
    <message>
        <source>图片文件不完整，在结尾之前中断</source>
        <comment>kReasonPictureTruncated</comment>
        <translation>the picture file is incomplete: it ends before its end</translation>
    </message>
    <message>
        <source>图片太大：%1x%2（最多每边 16384 像素、共 2400 万像素）</source>
        <comment>kReasonPictureTooLarge</comment>
        <translation>the picture is too large: %1x%2 (at most 16384 pixels a side and 24 million pixels in all)</translation>
    </message>
    <message>
        <source>解码这张图片所需的内存超出上限</source>
        <comment>kReasonPictureOverBudget</comment>
        <translation>decoding this picture would need more memory than allowed</translation>
    </message>
    <message>
        <source>裁剪范围不在图片之内：%1,%2,%3,%4（图片 %5x%6）</source>
        <comment>kReasonCropOutside</comment>
        <translation>the crop is not inside the picture: %1,%2,%3,%4 (picture %5x%6)</translation>
    </message>
    <message>
        <source>档案中的头像尺寸不一：第 %1 号为 %2x%3，第 0 号为 %4x%5</source>
        <comment>kReasonFaceSizesDiffer</comment>
        <translation>the faces of the archive differ in size: face %1 is %2x%3, face 0 is %4x%5</translation>
    </message>
    <message>
        <source>第 %1 号头像的位置落在文件头或索引之中：%2</source>
        <comment>kReasonFaceOverlapsIndex</comment>
        <translation>face %1 lies inside the header or the index: %2</translation>
    </message>
    <message>
        <source>同尺寸的史实头像档案中没有头像可作尺寸参照</source>
        <comment>kReasonNoFaceToCopy</comment>
        <translation>the historical face archive of this size has no face to take the size from</translation>
    </message>
    <message>
        <source>头像档案超过上限 %1 字节</source>
        <comment>kReasonArchiveTooLarge</comment>
        <translation>the face archive would exceed its limit of %1 bytes</translation>
    </message>
    <message>
        <source>无法写入头像档案，三个档案均未改变：</source>
        <comment>kTextFacesNotWritten</comment>
        <translation>Cannot write the face archives; none of the three was changed: </translation>
    </message>
    <message>
        <source>无法备份头像档案，未写入任何内容：</source>
        <comment>kTextFacesBackupFailed</comment>
        <translation>Cannot back up the face archives; nothing was written: </translation>
    </message>
    <message>
        <source>写入头像档案中途失败，且无法恢复已替换的档案；请用“系统 → 恢复备份…”恢复头像档案的备份：</source>
        <comment>kTextFacesRolledBackFailed</comment>
        <translation>Writing the face archives failed part-way and the archives already replaced could not be put back; restore the face archives&apos; backup with “System → Restore a backup…”: </translation>
    </message>
    <message>
        <source>已写入三个头像档案，但无法确认已写入磁盘：</source>
        <comment>kTextFacesReplacedNotFlushed</comment>
        <translation>The three face archives were written, but it could not be confirmed that they reached the disk: </translation>
    </message>
    <message>
        <source>游戏文件夹不可写入，无法保存头像。请以管理员身份运行本程序，或将游戏安装到“Program Files”以外的文件夹（例如 C:\Games），然后再试：</source>
        <comment>kTextFacesFolderReadOnly</comment>
        <translation>The game folder cannot be written, so the portrait cannot be saved. Run this program as administrator, or install the game in a folder outside “Program Files” (for example C:\Games), and try again: </translation>
    </message>
    <message>
        <source>三个新增头像档案的头像数不一致：大 %1、中 %2、小 %3</source>
        <comment>kReasonEditCountsDiffer</comment>
        <translation>the three edit face archives hold different numbers of faces: large %1, medium %2, small %3</translation>
    </message>
    <message>
        <source>这组头像档案备份不全，三个档案缺一不可</source>
        <comment>kReasonBackupSetIncomplete</comment>
        <translation>this set of face archive backups is incomplete: all three archives are needed</translation>
    </message>
    <message>
        <source>导入头像…</source>
        <comment>kPickerImportFace</comment>
        <translation>Import face…</translation>
    </message>
    <message>
        <source>替换头像…</source>
        <comment>kPickerReplaceFace</comment>
        <translation>Replace face…</translation>
    </message>
    <message>
        <source>把一张图片（PNG、JPEG、BMP）做成新的新增武将头像，写入大、中、小三个头像档案（先备份）</source>
        <comment>kTipImportFace</comment>
        <translation>Make a picture (PNG, JPEG, BMP) a new face of the new officers&apos; set, written into the large, medium and small face archives (backed up first)</translation>
    </message>
    <message>
        <source>用一张图片替换选中的新增武将头像（三个尺寸，先备份）</source>
        <comment>kTipReplaceFace</comment>
        <translation>Replace the chosen face of the new officers&apos; set with a picture (all three sizes, backed up first)</translation>
    </message>
    <message>
        <source>选择头像图片</source>
        <comment>kTitleChoosePicture</comment>
        <translation>Choose a picture for the face</translation>
    </message>
    <message>
        <source>图片 (*.png *.jpg *.jpeg *.bmp);;所有文件 (*)</source>
        <comment>kPictureFilter</comment>
        <translation>Pictures (*.png *.jpg *.jpeg *.bmp);;All files (*)</translation>
    </message>
    <message>
        <source>裁剪头像</source>
        <comment>kTitleCropFace</comment>
        <translation>Crop the face</translation>
    </message>
    <message>
        <source>拖动方框选择要用的部分，拖动右下角改变大小；右边是游戏中三个尺寸的样子。</source>
        <comment>kCropIntro</comment>
        <translation>Drag the frame over the part to use, and its lower-right corner to resize it; on the right, the three sizes as the game will show them.</translation>
    </message>
    <message>
        <source>大</source>
        <comment>kCropLarge</comment>
        <translation>Large</translation>
    </message>
    <message>
        <source>中</source>
        <comment>kCropMedium</comment>
        <translation>Medium</translation>
    </message>
    <message>
        <source>小</source>
        <comment>kCropSmall</comment>
        <translation>Small</translation>
    </message>
    <message>
        <source>确定</source>
        <comment>kCropOk</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <comment>kCropCancel</comment>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>用这张图片替换第 %1 号头像吗？三个头像档案会先备份，可用“系统 → 恢复备份…”恢复。</source>
        <comment>kAskReplaceFace</comment>
        <translation>Replace face %1 with this picture? The three face archives are backed up first and can be restored with “System → Restore a backup…”.</translation>
    </message>
    <message>
        <source>第 %1 号头像正由以下武将使用，替换后他们的头像也会改变：%2。确定替换吗？</source>
        <comment>kAskReplaceUsedFace</comment>
        <translation>Face %1 is worn by these officers, whose face changes too: %2. Replace it?</translation>
    </message>
    <message>
        <source>请先在“新增武将ＣＧ”中点选要替换的头像。</source>
        <comment>kTextNoEditFaceChosen</comment>
        <translation>First click the face to replace on the “New officers” page.</translation>
    </message>
    <message>
        <source>已加入第 %1 号头像。点“更改”即可给当前武将使用。</source>
        <comment>kTextFaceAdded</comment>
        <translation>Face %1 was added. Click “Change” to give it to the current officer.</translation>
    </message>
    <message>
        <source>新增武将头像档案（EDIT_KAO_l/m/s.n12）的备份，三个一起恢复：</source>
        <comment>kBackupFacesCaption</comment>
        <translation>Backups of the new officers&apos; face archives (EDIT_KAO_l/m/s.n12), restored all three together:</translation>
    </message>
    <message>
        <source>还没有头像档案的备份</source>
        <comment>kBackupFacesNone</comment>
        <translation>No backup of the face archives yet</translation>
    </message>
    <message>
        <source>恢复这组头像</source>
        <comment>kBackupRestoreFaces</comment>
        <translation>Restore these faces</translation>
    </message>
    <message>
        <source>把三个新增武将头像档案一起恢复为选中的备份；现在的档案会先备份</source>
        <comment>kTipRestoreFaces</comment>
        <translation>Put the chosen backup back in place of all three face archives; the current archives are backed up first</translation>
    </message>
    <message>
        <source>用 %1 的备份替换现在的三个新增武将头像档案吗？现在的档案会先备份。</source>
        <comment>kAskRestoreFaces</comment>
        <translation>Replace the three face archives of the new officers with the backup of %1? The current archives are backed up first.</translation>
    </message>
    <message>
        <source>已恢复三个新增武将头像档案。</source>
        <comment>kTextFacesRestored</comment>
        <translation>The three face archives of the new officers were restored.</translation>
    </message>
</context>
<context>
    <name>MapWindow</name>
    <message>
        <source>MAP</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>城市:</source>
        <translation>City:</translation>
    </message>
</context>
<context>
    <name>OfficerListWindow</name>
    <message>
        <source>名字的一部分，或 武力&gt;100、CG&gt;=1700、退场 这样的条件，用空格分开</source>
        <translation>Part of a name, or conditions such as Valour&gt;100, CG&gt;=1700 or 退场, separated by spaces</translation>
    </message>
    <message>
        <source>名字 或 武力&gt;100 CG&gt;=1700 退场</source>
        <translation>Name, or Valour&gt;100 CG&gt;=1700 退场</translation>
    </message>
    <message>
        <source>筛选</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>检查结果</source>
        <translation>Check results</translation>
    </message>
    <message>
        <source>存档中游戏不认可的值；点一项即显示该武将</source>
        <translation>Values in the file that the game refuses; click one to show the officer</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>删除选中的武将（Delete 键）</source>
        <translation>Delete the chosen officers (Delete key)</translation>
    </message>
    <message>
        <source>复制为新武将</source>
        <translation>Duplicate</translation>
    </message>
    <message>
        <source>把选中的武将复制到最后</source>
        <translation>Copy the chosen officers to the end</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>选中的武将在存档中前移一位</source>
        <translation>Move the chosen officers one place up in the file</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>选中的武将在存档中后移一位</source>
        <translation>Move the chosen officers one place down in the file</translation>
    </message>
    <message>
        <source>批量修改</source>
        <translation>Batch edit</translation>
    </message>
    <message>
        <source>为选中的所有武将设定同一项</source>
        <translation>Set one field of every chosen officer</translation>
    </message>
    <message>
        <source>出场/退场</source>
        <translation>I/O</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>统率</source>
        <translation>Lead</translation>
    </message>
    <message>
        <source>武勇</source>
        <translation>Val</translation>
    </message>
    <message>
        <source>智慧</source>
        <translation>Int</translation>
    </message>
    <message>
        <source>政治</source>
        <translation>Pol</translation>
    </message>
    <message>
        <source>义理</source>
        <translation>Duty</translation>
    </message>
    <message>
        <source>搜索名字</source>
        <translation>Find name</translation>
    </message>
    <message>
        <source>搜</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>保存所有修改</source>
        <translation>Save all changes</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source> 等 %1 名</source>
        <translation> and others, %1 in all</translation>
    </message>
</context>
<context>
    <name>PortraitPickerWindow</name>
    <message>
        <source>指定</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>史实武将ＣＧ</source>
        <translation>Historical</translation>
    </message>
    <message>
        <source>新增武将ＣＧ</source>
        <translation>New officers</translation>
    </message>
    <message>
        <source>更改</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ReferencePanel</name>
    <message>
        <source>    史武将列表</source>
        <translation>    Officer list</translation>
    </message>
    <message>
        <source>搜</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>CG号</source>
        <translation>CG no.</translation>
    </message>
    <message>
        <source>诞生年</source>
        <translation>Born</translation>
    </message>
    <message>
        <source>死亡年</source>
        <translation>Died</translation>
    </message>
    <message>
        <source>统御</source>
        <translation>Lead</translation>
    </message>
    <message>
        <source>武力</source>
        <translation>Val</translation>
    </message>
    <message>
        <source>智力</source>
        <translation>Int</translation>
    </message>
    <message>
        <source>政治</source>
        <translation>Pol</translation>
    </message>
    <message>
        <source>义理</source>
        <translation>Duty</translation>
    </message>
</context>
<context>
    <name>Vocabulary</name>
    <message>
        <source>女</source>
        <translation>Female</translation>
    </message>
    <message>
        <source>男</source>
        <translation>Male</translation>
    </message>
    <message>
        <source>武士</source>
        <translation>Samurai</translation>
    </message>
    <message>
        <source>高家</source>
        <translation>Noble</translation>
    </message>
    <message>
        <source>僧侣</source>
        <translation>Monk</translation>
    </message>
    <message>
        <source>商人</source>
        <translation>Merchant</translation>
    </message>
    <message>
        <source>海盗</source>
        <translation>Pirate</translation>
    </message>
    <message>
        <source>忍者</source>
        <translation>Ninja</translation>
    </message>
    <message>
        <source>剑豪</source>
        <translation>Swordsman</translation>
    </message>
    <message>
        <source>庶民</source>
        <translation>Commoner</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>亻厶教</source>
        <translation>Buddhism</translation>
    </message>
    <message>
        <source>一向宗</source>
        <translation>Ikko-shu</translation>
    </message>
    <message>
        <source>基督教</source>
        <translation>Christianity</translation>
    </message>
    <message>
        <source>元服前</source>
        <translation>Not of age</translation>
    </message>
    <message>
        <source>未发现</source>
        <translation>Undiscovered</translation>
    </message>
    <message>
        <source>浪人</source>
        <translation>Ronin</translation>
    </message>
    <message>
        <source>俘虏</source>
        <translation>Captive</translation>
    </message>
    <message>
        <source>人质</source>
        <translation>Hostage</translation>
    </message>
    <message>
        <source>姬</source>
        <translation>Princess</translation>
    </message>
    <message>
        <source>家臣</source>
        <translation>Retainer</translation>
    </message>
    <message>
        <source>死亡&quot;</source>
        <translation>Dead</translation>
    </message>
    <message>
        <source>退场</source>
        <translation>Out</translation>
    </message>
    <message>
        <source>出场</source>
        <translation>In</translation>
    </message>
    <message>
        <source>足轻</source>
        <translation>Ashigaru</translation>
    </message>
    <message>
        <source>骑马</source>
        <translation>Cavalry</translation>
    </message>
    <message>
        <source>弓</source>
        <translation>Bow</translation>
    </message>
    <message>
        <source>铁炮</source>
        <translation>Gun</translation>
    </message>
    <message>
        <source>计略</source>
        <translation>Scheme</translation>
    </message>
    <message>
        <source>兵器</source>
        <translation>Siege</translation>
    </message>
    <message>
        <source>水军</source>
        <translation>Navy</translation>
    </message>
    <message>
        <source>筑城</source>
        <translation>Building</translation>
    </message>
    <message>
        <source>内政</source>
        <translation>Domestic</translation>
    </message>
    <message>
        <source>枪衾</source>
        <translation>Spear Wall</translation>
    </message>
    <message>
        <source>枪突击</source>
        <translation>Spear Rush</translation>
    </message>
    <message>
        <source>枪车</source>
        <translation>Spear Ring</translation>
    </message>
    <message>
        <source>乱战</source>
        <translation>Melee</translation>
    </message>
    <message>
        <source>强袭</source>
        <translation>Assault</translation>
    </message>
    <message>
        <source>千成衾</source>
        <translation>Great Wall</translation>
    </message>
    <message>
        <source>先驱</source>
        <translation>Vanguard</translation>
    </message>
    <message>
        <source>突进</source>
        <translation>Dash</translation>
    </message>
    <message>
        <source>突击</source>
        <translation>Charge</translation>
    </message>
    <message>
        <source>啄木鸟</source>
        <translation>Woodpecker</translation>
    </message>
    <message>
        <source>乘崩</source>
        <translation>Rout</translation>
    </message>
    <message>
        <source>车悬</source>
        <translation>Wheel</translation>
    </message>
    <message>
        <source>齐射</source>
        <translation>Volley</translation>
    </message>
    <message>
        <source>火矢</source>
        <translation>Fire Arrow</translation>
    </message>
    <message>
        <source>连射</source>
        <translation>Rapid Fire</translation>
    </message>
    <message>
        <source>三矢训</source>
        <translation>3 Arrows</translation>
    </message>
    <message>
        <source>铁炮一</source>
        <translation>Gun 1</translation>
    </message>
    <message>
        <source>铁炮二</source>
        <translation>Gun 2</translation>
    </message>
    <message>
        <source>铁炮三</source>
        <translation>Gun 3</translation>
    </message>
    <message>
        <source>铁炮四</source>
        <translation>Gun 4</translation>
    </message>
    <message>
        <source>铁炮五</source>
        <translation>Gun 5</translation>
    </message>
    <message>
        <source>铁炮六</source>
        <translation>Gun 6</translation>
    </message>
    <message>
        <source>计略一</source>
        <translation>Scheme 1</translation>
    </message>
    <message>
        <source>计略二</source>
        <translation>Scheme 2</translation>
    </message>
    <message>
        <source>计略三</source>
        <translation>Scheme 3</translation>
    </message>
    <message>
        <source>计略四</source>
        <translation>Scheme 4</translation>
    </message>
    <message>
        <source>计略五</source>
        <translation>Scheme 5</translation>
    </message>
    <message>
        <source>计略六</source>
        <translation>Scheme 6</translation>
    </message>
    <message>
        <source>计略七</source>
        <translation>Scheme 7</translation>
    </message>
    <message>
        <source>计略八</source>
        <translation>Scheme 8</translation>
    </message>
    <message>
        <source>威严</source>
        <translation>Dignity</translation>
    </message>
    <message>
        <source>勇猛</source>
        <translation>Brave</translation>
    </message>
    <message>
        <source>睿智</source>
        <translation>Clever</translation>
    </message>
    <message>
        <source>年少</source>
        <translation>Young</translation>
    </message>
    <message>
        <source>普通</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>女性</source>
        <translation>Woman</translation>
    </message>
</context>
<context>
    <name>busho::EditionChooser</name>
    <message>
        <source>请选择游戏语言版本</source>
        <translation>Choose the game&apos;s edition</translation>
    </message>
    <message>
        <source>中文版</source>
        <translation>Chinese edition</translation>
    </message>
    <message>
        <source>日文版</source>
        <translation>Japanese edition</translation>
    </message>
</context>
<context>
    <name>busho::ReadmeWindow</name>
    <message>
        <source>说明文档</source>
        <translation>Readme</translation>
    </message>
</context>
</TS>
