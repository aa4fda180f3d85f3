<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="zh_CN">
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
        <translation>所属</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>身分</translation>
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
        <translation>戦法：</translation>
    </message>
    <message>
        <source>批量修改</source>
        <translation>一括変更</translation>
    </message>
    <message>
        <source>为选中的 %1 名武将设定：</source>
        <translation>選んだ武将 %1 人に設定：</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>设为</source>
        <translation>値</translation>
    </message>
</context>
<context>
    <name>EditorWindow</name>
    <message>
        <source>随机武将</source>
        <translation>ランダム武将</translation>
    </message>
    <message>
        <source>头像</source>
        <translation>顔グラフィック</translation>
    </message>
    <message>
        <source>CG号</source>
        <translation>CG番号</translation>
    </message>
    <message>
        <source>选择头像</source>
        <translation>顔を選ぶ</translation>
    </message>
    <message>
        <source>中日文译</source>
        <translation>中日文訳</translation>
    </message>
    <message>
        <source>输入繁体字内容请打√</source>
        <translation>繁体字で入力するなら√</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>打开存档</source>
        <translation>データを開く</translation>
    </message>
    <message>
        <source>目标文件为:</source>
        <translation>対象ファイル:</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>姓名与生平</source>
        <translation>姓名と経歴</translation>
    </message>
    <message>
        <source>姓</source>
        <translation>姓</translation>
    </message>
    <message>
        <source>姓音:</source>
        <translation>姓読み:</translation>
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
        <translation>名読み:</translation>
    </message>
    <message>
        <source>诞生年</source>
        <translation>生年</translation>
    </message>
    <message>
        <source>死亡年</source>
        <translation>没年</translation>
    </message>
    <message>
        <source>列传</source>
        <translation>列伝</translation>
    </message>
    <message>
        <source>声音</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>能力</source>
        <translation>能力</translation>
    </message>
    <message>
        <source>统御</source>
        <translation>統率</translation>
    </message>
    <message>
        <source>武力</source>
        <translation>武勇</translation>
    </message>
    <message>
        <source>智力</source>
        <translation>知略</translation>
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
        <translation>戦法</translation>
    </message>
    <message>
        <source>战法全满</source>
        <translation>全戦法</translation>
    </message>
    <message>
        <source>关系</source>
        <translation>関係</translation>
    </message>
    <message>
        <source>实    父</source>
        <translation>実    父</translation>
    </message>
    <message>
        <source>×</source>
        <translation>×</translation>
    </message>
    <message>
        <source>相性武将</source>
        <translation>相性武将</translation>
    </message>
    <message>
        <source>亲爱武将</source>
        <translation>親愛武将</translation>
    </message>
    <message>
        <source>亲爱武将二</source>
        <translation>親愛武将二</translation>
    </message>
    <message>
        <source>嫌恶武将</source>
        <translation>嫌悪武将</translation>
    </message>
    <message>
        <source>嫌恶武将二</source>
        <translation>嫌悪武将二</translation>
    </message>
    <message>
        <source>选</source>
        <translation>選</translation>
    </message>
    <message>
        <source>身份</source>
        <translation>身分</translation>
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
        <translation>所    属</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>状    态</source>
        <translation>身    分</translation>
    </message>
    <message>
        <source>登场/出场</source>
        <translation>登場/出場</translation>
    </message>
    <message>
        <source>系统</source>
        <translation>システム</translation>
    </message>
    <message>
        <source>语言 / Language</source>
        <translation>言語 / Language</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>说明文档</source>
        <translation>説明書</translation>
    </message>
</context>
<context>
    <name>InterfaceTexts</name>
    <message>
        <source>请先打开武将存档文件!!!!如果没有武将存档,请先运行游戏进入登陆武将一次!!</source>
        <comment>kTextOpenFirst</comment>
        <translation>先に武将データファイルを開いてください!!!!武将データがない場合は、先にゲームを起動して武将登録に一度入ってください!!</translation>
    </message>
    <message>
        <source>选择错误</source>
        <comment>kTitleWrongChoice</comment>
        <translation>選択エラー</translation>
    </message>
    <message>
        <source>已经备份原有武将库为：</source>
        <comment>kTextBackedUp</comment>
        <translation>元の武将データをバックアップしました：</translation>
    </message>
    <message>
        <source>提示</source>
        <comment>kTitleNotice</comment>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>OVer</source>
        <comment>kTextOver</comment>
        <translation>OVer</translation>
    </message>
    <message>
        <source>载入中 - - - - - - -- - - - - </source>
        <comment>kTextLoadingCaption</comment>
        <translation>読み込み中 - - - - - - -- - - - - </translation>
    </message>
    <message>
        <source>读取错误</source>
        <comment>kTitleLoadError</comment>
        <translation>読み込みエラー</translation>
    </message>
    <message>
        <source>无法读取武将存档，武将表保持不变：</source>
        <comment>kTextLoadFailed</comment>
        <translation>武将データを読み込めません。武将表は変わりません：</translation>
    </message>
    <message>
        <source>保存错误</source>
        <comment>kTitleSaveError</comment>
        <translation>保存エラー</translation>
    </message>
    <message>
        <source>无法备份武将存档，未写入任何内容：</source>
        <comment>kTextBackupFailed</comment>
        <translation>武将データをバックアップできません。何も書き込んでいません：</translation>
    </message>
    <message>
        <source>无法写入武将存档，原存档和备份均未改变：</source>
        <comment>kTextWriteFailed</comment>
        <translation>武将データを書き込めません。元のデータもバックアップも変わっていません：</translation>
    </message>
    <message>
        <source>文件夹不存在</source>
        <comment>kReasonNoFolder</comment>
        <translation>フォルダがありません</translation>
    </message>
    <message>
        <source>无法打开或创建文件</source>
        <comment>kReasonCannotOpen</comment>
        <translation>ファイルを開くことも作ることもできません</translation>
    </message>
    <message>
        <source>无法读取文件</source>
        <comment>kReasonCannotRead</comment>
        <translation>ファイルを読み込めません</translation>
    </message>
    <message>
        <source>第 %1 号武将的战法数为 %2，超出 0～31</source>
        <comment>kReasonTacticCount</comment>
        <translation>%1 番の武将の戦法数が %2 で、0～31 の範囲外です</translation>
    </message>
    <message>
        <source>第 %1 号武将的亲爱武将数为 %2，超出 0～2</source>
        <comment>kReasonLikedCount</comment>
        <translation>%1 番の武将の親愛武将数が %2 で、0～2 の範囲外です</translation>
    </message>
    <message>
        <source>第 %1 号武将的嫌恶武将数为 %2，超出 0～2</source>
        <comment>kReasonDislikedCount</comment>
        <translation>%1 番の武将の嫌悪武将数が %2 で、0～2 の範囲外です</translation>
    </message>
    <message>
        <source>第 %1 号武将的数据不完整：文件在偏移 %2 处结束</source>
        <comment>kReasonCutOff</comment>
        <translation>%1 番の武将のデータが不完全です：ファイルがオフセット %2 で終わっています</translation>
    </message>
    <message>
        <source>存档中有 1000 名武将而没有结束标记，超出武将表的容量</source>
        <comment>kReasonNoEndMarker</comment>
        <translation>ファイルに武将が 1000 人いて終端の印がなく、武将表の容量を超えています</translation>
    </message>
    <message>
        <source>原存档不存在</source>
        <comment>kReasonNoOriginal</comment>
        <translation>元のファイルがありません</translation>
    </message>
    <message>
        <source>无法创建新文件</source>
        <comment>kReasonCannotCreateNew</comment>
        <translation>新しいファイルを作れません</translation>
    </message>
    <message>
        <source>写入中途失败</source>
        <comment>kReasonWriteCutShort</comment>
        <translation>書き込みが途中で失敗しました</translation>
    </message>
    <message>
        <source>无法用新文件替换原文件%1</source>
        <comment>kReasonCannotReplace</comment>
        <translation>新しいファイルで元のファイルを置き換えられません%1</translation>
    </message>
    <message>
        <source>无法复制文件</source>
        <comment>kReasonCannotCopy</comment>
        <translation>ファイルをコピーできません</translation>
    </message>
    <message>
        <source>无法复制文件：</source>
        <comment>kReasonCannotCopyBecause</comment>
        <translation>ファイルをコピーできません：</translation>
    </message>
    <message>
        <source>打开CG文件错误!!请确认你是否是在革新游戏目录下运行!!</source>
        <comment>kTextOpenFaceFailed</comment>
        <translation>CGファイルを開けません!!革新のゲームフォルダで実行しているか確認してください!!</translation>
    </message>
    <message>
        <source>文件太短，容不下头像档案的文件头</source>
        <comment>kReasonFaceFileShort</comment>
        <translation>ファイルが短すぎて、顔グラフィックのアーカイブのヘッダが入りません</translation>
    </message>
    <message>
        <source>头像数小于 1：%1</source>
        <comment>kReasonFaceCountBelowOne</comment>
        <translation>顔グラフィックの数が 1 未満です：%1</translation>
    </message>
    <message>
        <source>头像数超出文件所能容纳的数目：%1</source>
        <comment>kReasonFaceCountTooLarge</comment>
        <translation>顔グラフィックの数がファイルに収まる数を超えています：%1</translation>
    </message>
    <message>
        <source>头像编号超出档案范围：%1 / %2</source>
        <comment>kReasonFaceIndexOutside</comment>
        <translation>顔グラフィックの番号がアーカイブの範囲外です：%1 / %2</translation>
    </message>
    <message>
        <source>第 %1 号头像的位置在文件之外：%2</source>
        <comment>kReasonFaceOffsetOutside</comment>
        <translation>%1 番の顔グラフィックの位置がファイルの外です：%2</translation>
    </message>
    <message>
        <source>第 %1 号头像的像素数据超出文件末尾</source>
        <comment>kReasonFacePixelsPastEnd</comment>
        <translation>%1 番の顔グラフィックの画素がファイルの終わりを越えています</translation>
    </message>
    <message>
        <source>第 %1 号头像的高度大于存储的行数：%2 &gt; %3</source>
        <comment>kReasonFaceHeightOverRows</comment>
        <translation>%1 番の顔グラフィックの高さが格納された行数より大きいです：%2 &gt; %3</translation>
    </message>
    <message>
        <source>第 %1 号头像的尺寸不合理：%2x%3, %4x%5</source>
        <comment>kReasonFaceBadSize</comment>
        <translation>%1 番の顔グラフィックの大きさが不正です：%2x%3, %4x%5</translation>
    </message>
    <message>
        <source>不是普通文件</source>
        <comment>kReasonNotRegularFile</comment>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>文件超过上限 %1 字节</source>
        <comment>kReasonFileTooLarge</comment>
        <translation>ファイルが上限の %1 バイトを超えています</translation>
    </message>
    <message>
        <source>文件短于 %1 字节</source>
        <comment>kReasonFileTooShort</comment>
        <translation>ファイルが %1 バイトより短いです</translation>
    </message>
    <message>
        <source>无法将文件写入磁盘</source>
        <comment>kReasonCannotFlush</comment>
        <translation>ファイルをディスクに書き込めません</translation>
    </message>
    <message>
        <source>无法关闭文件</source>
        <comment>kReasonCannotClose</comment>
        <translation>ファイルを閉じられません</translation>
    </message>
    <message>
        <source>无法将文件夹写入磁盘</source>
        <comment>kReasonFolderNotFlushed</comment>
        <translation>フォルダをディスクに書き込めません</translation>
    </message>
    <message>
        <source>已用新文件替换武将存档，但无法确认已写入磁盘：</source>
        <comment>kTextReplacedNotFlushed</comment>
        <translation>武将データを新しいファイルで置き換えましたが、ディスクへの書き込みを確認できません：</translation>
    </message>
    <message>
        <source>无法读取空白武将数据 BK.DAT，未写入任何内容：</source>
        <comment>kTextBlankSlotMissing</comment>
        <translation>空白武将データ BK.DAT を読み込めません。何も書き込んでいません：</translation>
    </message>
    <message>
        <source>无法删除文件%1</source>
        <comment>kReasonCannotRemove</comment>
        <translation>ファイルを削除できません%1</translation>
    </message>
    <message>
        <source>无法恢复这个备份，武将存档未改变：</source>
        <comment>kTextRestoreFailed</comment>
        <translation>このバックアップを復元できません。武将データは変わりません：</translation>
    </message>
    <message>
        <source>恢复备份…</source>
        <comment>kMenuRestoreBackup</comment>
        <translation>バックアップから復元…</translation>
    </message>
    <message>
        <source>恢复备份</source>
        <comment>kTitleRestoreBackup</comment>
        <translation>バックアップから復元</translation>
    </message>
    <message>
        <source>备份文件</source>
        <comment>kBackupColumnFile</comment>
        <translation>バックアップファイル</translation>
    </message>
    <message>
        <source>备份时间</source>
        <comment>kBackupColumnDate</comment>
        <translation>バックアップ日時</translation>
    </message>
    <message>
        <source>武将数</source>
        <comment>kBackupColumnOfficers</comment>
        <translation>武将数</translation>
    </message>
    <message>
        <source>此后的改动（到当前存档）</source>
        <comment>kBackupColumnSince</comment>
        <translation>その後の変更（現在のデータまで）</translation>
    </message>
    <message>
        <source>%1（最新）</source>
        <comment>kBackupNewest</comment>
        <translation>%1（最新）</translation>
    </message>
    <message>
        <source>与当前存档相同</source>
        <comment>kBackupNoChange</comment>
        <translation>現在のデータと同じ</translation>
    </message>
    <message>
        <source>新增 %1 名，删除 %2 名，修改 %3 名</source>
        <comment>kBackupChanges</comment>
        <translation>追加 %1 人、削除 %2 人、変更 %3 人</translation>
    </message>
    <message>
        <source>文件头不同</source>
        <comment>kBackupHeaderChanged</comment>
        <translation>ヘッダが異なります</translation>
    </message>
    <message>
        <source>无法读取：</source>
        <comment>kBackupUnreadable</comment>
        <translation>読み込めません：</translation>
    </message>
    <message>
        <source>无法读取当前存档，不能比较</source>
        <comment>kBackupCurrentUnreadable</comment>
        <translation>現在のデータを読み込めないため比較できません</translation>
    </message>
    <message>
        <source>这个存档还没有备份。每次保存时，原有存档会备份在它旁边。</source>
        <comment>kBackupNone</comment>
        <translation>このデータにはまだバックアップがありません。保存するたびに、元のデータがその隣にバックアップされます。</translation>
    </message>
    <message>
        <source>第 %1 号 %2：新增</source>
        <comment>kBackupOfficerAdded</comment>
        <translation>%1 番 %2：追加</translation>
    </message>
    <message>
        <source>第 %1 号 %2：删除</source>
        <comment>kBackupOfficerRemoved</comment>
        <translation>%1 番 %2：削除</translation>
    </message>
    <message>
        <source>第 %1 号 %2：%3  %4 → %5</source>
        <comment>kBackupFieldChanged</comment>
        <translation>%1 番 %2：%3  %4 → %5</translation>
    </message>
    <message>
        <source>保留带日期的备份：</source>
        <comment>kBackupKeepLabel</comment>
        <translation>日付付きバックアップの保存数：</translation>
    </message>
    <message>
        <source>恢复</source>
        <comment>kBackupRestoreButton</comment>
        <translation>復元</translation>
    </message>
    <message>
        <source>关闭</source>
        <comment>kBackupCloseButton</comment>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>用这个备份替换当前武将存档吗？<byte value="xd"/>%1<byte value="xd"/>当前存档会先成为最新的备份，以后还可以恢复。</source>
        <comment>kBackupRestoreQuestion</comment>
        <translation>このバックアップで現在の武将データを置き換えますか？<byte value="xd"/>%1<byte value="xd"/>現在のデータは先に最新のバックアップになり、後で復元できます。</translation>
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
        <translation>1561年 龍虎相撃つ</translation>
    </message>
    <message>
        <source>1570年 義弟離反</source>
        <comment>kScenario1570</comment>
        <translation>1570年 義弟離反</translation>
    </message>
    <message>
        <source>1582年 梦幻の如く</source>
        <comment>kScenario1582</comment>
        <translation>1582年 夢幻の如く</translation>
    </message>
    <message>
        <source>嵗</source>
        <comment>kAgeSuffix</comment>
        <translation>歳</translation>
    </message>
    <message>
        <source>  元服前</source>
        <comment>kNotOfAge</comment>
        <translation>  元服前</translation>
    </message>
    <message>
        <source>革新QorvaneFOR [中日文PK通用版V1222]!</source>
        <comment>kAppTitleBase</comment>
        <translation>革新QorvaneFOR [中日PK共通版V1222]!</translation>
    </message>
    <message>
        <source>   中文版修改</source>
        <comment>kAppTitleTc</comment>
        <translation>   中国語版の編集</translation>
    </message>
    <message>
        <source>   日文版修改</source>
        <comment>kAppTitleJp</comment>
        <translation>   日本語版の編集</translation>
    </message>
    <message>
        <source>数据读入中- - - - - - -</source>
        <comment>kReadingRowCaption</comment>
        <translation>データ読み込み中- - - - - - -</translation>
    </message>
    <message>
        <source>武将一览表</source>
        <comment>kListCaption</comment>
        <translation>武将一覧</translation>
    </message>
    <message>
        <source>继续吗??</source>
        <comment>kContinueQuestion</comment>
        <translation>続けますか??</translation>
    </message>
    <message>
        <source>无法读取代码表，游戏文字将无法正确转换：</source>
        <comment>kTextTablesMissing</comment>
        <translation>コード表を読み込めません。ゲームの文字が正しく変換されません：</translation>
    </message>
    <message>
        <source>代码表错误</source>
        <comment>kTitleTables</comment>
        <translation>コード表エラー</translation>
    </message>
    <message>
        <source>姓 输入不符，１－3个汉字</source>
        <comment>kFamilyNameRefused</comment>
        <translation>姓 が不正です。１－3 文字の漢字</translation>
    </message>
    <message>
        <source>名 输入不符，１－3个汉字</source>
        <comment>kGivenNameRefused</comment>
        <translation>名 が不正です。１－3 文字の漢字</translation>
    </message>
    <message>
        <source>战国神秘的武将人物！</source>
        <comment>kDefaultBiography</comment>
        <translation>战国神秘的武将人物！</translation>
    </message>
    <message>
        <source>尚没有登录武将！！</source>
        <comment>kNoOfficerHere</comment>
        <translation>まだ武将が登録されていません！！</translation>
    </message>
    <message>
        <source>武将已满（最多 999 名），无法再添加</source>
        <comment>kTableFull</comment>
        <translation>武将が満員です（最大 999 人）。これ以上追加できません</translation>
    </message>
    <message>
        <source>%1 输入不符，请输入 -2147483648～2147483647 之间的整数</source>
        <comment>kNumberRefused</comment>
        <translation>%1 が不正です。-2147483648～2147483647 の整数を入力してください</translation>
    </message>
    <message>
        <source>统御</source>
        <comment>kLabelLeadership</comment>
        <translation>統率</translation>
    </message>
    <message>
        <source>武力</source>
        <comment>kLabelValour</comment>
        <translation>武勇</translation>
    </message>
    <message>
        <source>智力</source>
        <comment>kLabelIntellect</comment>
        <translation>知略</translation>
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
        <translation>生年</translation>
    </message>
    <message>
        <source>死亡年</source>
        <comment>kLabelDeathYear</comment>
        <translation>没年</translation>
    </message>
    <message>
        <source>，战国神秘的武将人物！</source>
        <comment>kRandomBiographyEnd</comment>
        <translation>，战国神秘的武将人物！</translation>
    </message>
    <message>
        <source>下列文字无法按原样保存，将变为？或被删去：</source>
        <comment>kCharactersNotKept</comment>
        <translation>次の文字はそのまま保存できず、？になるか削除されます：</translation>
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
        <translation>姓読み</translation>
    </message>
    <message>
        <source>名音</source>
        <comment>kFieldGivenReading</comment>
        <translation>名読み</translation>
    </message>
    <message>
        <source>列传</source>
        <comment>kFieldBiography</comment>
        <translation>列伝</translation>
    </message>
    <message>
        <source>下列数值超出游戏使用的范围：</source>
        <comment>kOutsideGameRange</comment>
        <translation>次の値はゲームが使う範囲の外です：</translation>
    </message>
    <message>
        <source>，游戏使用 </source>
        <comment>kGameUses</comment>
        <translation>、ゲームが使うのは </translation>
    </message>
    <message>
        <source>～</source>
        <comment>kRangeDash</comment>
        <translation>～</translation>
    </message>
    <message>
        <source> 早于诞生年 </source>
        <comment>kEarlierThanBirth</comment>
        <translation> は生年より前 </translation>
    </message>
    <message>
        <source>仍要保存吗？</source>
        <comment>kGoOnQuestion</comment>
        <translation>それでも保存しますか？</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>%2</source>
        <comment>kCommitQuestion</comment>
        <translation>%1<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>列传太长：最多 146 字节（73 个汉字），现有 %1 个字（%2 字节）</source>
        <comment>kBiographyTooLong</comment>
        <translation>列伝が長すぎます：最大 146 バイト（漢字 73 文字）、現在 %1 文字（%2 バイト）</translation>
    </message>
    <message>
        <source>姓音 输入不符，最多 9 个假名</source>
        <comment>kFamilyReadingRefused</comment>
        <translation>姓読み が不正です。仮名 9 文字まで</translation>
    </message>
    <message>
        <source>名音 输入不符，最多 9 个假名</source>
        <comment>kGivenReadingRefused</comment>
        <translation>名読み が不正です。仮名 9 文字まで</translation>
    </message>
    <message>
        <source>没有找到这个名字的武将</source>
        <comment>kSearchNoMatch</comment>
        <translation>この名前の武将は見つかりません</translation>
    </message>
    <message>
        <source>修改 %1</source>
        <comment>kEditModify</comment>
        <translation>変更 %1</translation>
    </message>
    <message>
        <source>添加 %1</source>
        <comment>kEditAdd</comment>
        <translation>追加 %1</translation>
    </message>
    <message>
        <source>更改头像 %1</source>
        <comment>kEditPortrait</comment>
        <translation>顔グラフィック変更 %1</translation>
    </message>
    <message>
        <source>导入 %1 行</source>
        <comment>kEditImport</comment>
        <translation>%1 行をインポート</translation>
    </message>
    <message>
        <source>编辑</source>
        <comment>kMenuEdit</comment>
        <translation>編集</translation>
    </message>
    <message>
        <source>撤销</source>
        <comment>kMenuUndo</comment>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>重做</source>
        <comment>kMenuRedo</comment>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>保存</source>
        <comment>kButtonSave</comment>
        <translation>保存</translation>
    </message>
    <message>
        <source>不保存</source>
        <comment>kButtonDontSave</comment>
        <translation>保存しない</translation>
    </message>
    <message>
        <source>修改</source>
        <comment>kButtonCommit</comment>
        <translation>変更</translation>
    </message>
    <message>
        <source>不修改</source>
        <comment>kButtonDontCommit</comment>
        <translation>変更しない</translation>
    </message>
    <message>
        <source>取消</source>
        <comment>kButtonCancel</comment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>武将表有尚未保存到武将存档的修改。要先保存吗？</source>
        <comment>kUnsavedQuestion</comment>
        <translation>武将表に、武将データへまだ保存していない変更があります。先に保存しますか？</translation>
    </message>
    <message>
        <source>编辑框中 %1 的改动尚未修改到武将表。要先修改吗？</source>
        <comment>kUncommittedQuestion</comment>
        <translation>入力欄での %1 の変更が、まだ武将表に反映されていません。先に変更しますか？</translation>
    </message>
    <message>
        <source>编辑框中的改动尚未修改到武将表，%1后将不再显示。继续吗？</source>
        <comment>kStepDropsEditsQuestion</comment>
        <translation>入力欄の変更はまだ武将表に反映されておらず、%1の後は表示されなくなります。続けますか？</translation>
    </message>
    <message>
        <source>语音</source>
        <comment>kTitleVoice</comment>
        <translation>音声</translation>
    </message>
    <message>
        <source>无法播放语音样本：</source>
        <comment>kTextVoiceNotPlayed</comment>
        <translation>音声サンプルを再生できません：</translation>
    </message>
    <message>
        <source>本机没有找到声音输出设备，语音样本可能听不到：</source>
        <comment>kTextNoAudioOutput</comment>
        <translation>このコンピュータに音声出力装置が見つからないため、音声サンプルが聞こえない場合があります：</translation>
    </message>
    <message>
        <source>
语音选项照常可以选择；本次运行不再提示。</source>
        <comment>kTextVoicesStillSelect</comment>
        <translation>
音声の選択は通常どおりできます。今回の実行中はもう表示しません。</translation>
    </message>
    <message>
        <source>找不到这个语音文件，请确认游戏文件夹正确。</source>
        <comment>kReasonVoiceFileMissing</comment>
        <translation>この音声ファイルが見つかりません。ゲームフォルダが正しいか確認してください。</translation>
    </message>
    <message>
        <source>这个语音文件无法解码。</source>
        <comment>kReasonVoiceUndecodable</comment>
        <translation>この音声ファイルはデコードできません。</translation>
    </message>
    <message>
        <source>媒体后端报告：</source>
        <comment>kReasonMediaBackendSays</comment>
        <translation>メディアバックエンドの報告：</translation>
    </message>
    <message>
        <source>请检查声卡和声音服务（PulseAudio 或 PipeWire）。</source>
        <comment>kReasonCheckSoundService</comment>
        <translation>サウンドカードとサウンドサービス（PulseAudio または PipeWire）を確認してください。</translation>
    </message>
    <message>
        <source>如果缺少解码器或声音输出，请安装软件包 gstreamer1.0-plugins-good 和 gstreamer1.0-alsa（或 gstreamer1.0-pulseaudio），然后重新启动编辑器。</source>
        <comment>kReasonInstallGstreamerPlugins</comment>
        <translation>デコーダや音声出力がない場合は、パッケージ gstreamer1.0-plugins-good と gstreamer1.0-alsa（または gstreamer1.0-pulseaudio）をインストールしてから、エディタを再起動してください。</translation>
    </message>
    <message>
        <source>GStreamer 无法初始化（%1）。</source>
        <comment>kReasonGstreamerCannotStart</comment>
        <translation>GStreamer を初期化できません（%1）。</translation>
    </message>
    <message>
        <source>缺少 GStreamer 组件 %1。请安装软件包 %2，然后重新启动编辑器。</source>
        <comment>kReasonGstreamerPiecesMissing</comment>
        <translation>GStreamer のコンポーネント %1 がありません。パッケージ %2 をインストールしてから、エディタを再起動してください。</translation>
    </message>
    <message>
        <source>找不到说明文档：</source>
        <comment>kTextReadmeMissing</comment>
        <translation>説明書が見つかりません：</translation>
    </message>
    <message>
        <source>无法读取说明文档：</source>
        <comment>kTextReadmeUnreadable</comment>
        <translation>説明書を読み込めません：</translation>
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
        <translation>表を読み込めません：</translation>
    </message>
    <message>
        <source>JSON: %1</source>
        <comment>kTableJsonSyntax</comment>
        <translation>JSON：%1</translation>
    </message>
    <message>
        <source>JSON: a value is neither a string nor a number</source>
        <comment>kTableJsonNested</comment>
        <translation>JSON：文字列でも数値でもない値があります</translation>
    </message>
    <message>
        <source>JSON: more objects than an officer file holds</source>
        <comment>kTableJsonTooManyObjects</comment>
        <translation>JSON：武将データに入る数より多いオブジェクトがあります</translation>
    </message>
    <message>
        <source>JSON: too many values in an object</source>
        <comment>kTableJsonTooManyValues</comment>
        <translation>JSON：オブジェクトの値が多すぎます</translation>
    </message>
    <message>
        <source>JSON: expected an array of objects</source>
        <comment>kTableJsonNotArray</comment>
        <translation>JSON：オブジェクトの配列が必要です</translation>
    </message>
    <message>
        <source>JSON: object %1 is not an object</source>
        <comment>kTableJsonNotObject</comment>
        <translation>JSON：%1 番目がオブジェクトではありません</translation>
    </message>
    <message>
        <source>JSON: object %1, &quot;%2&quot;: expected a string or a number</source>
        <comment>kTableJsonBadValue</comment>
        <translation>JSON：オブジェクト %1、&quot;%2&quot;：文字列か数値が必要です</translation>
    </message>
    <message>
        <source>CSV: more than %1 rows, more than an officer file holds</source>
        <comment>kTableCsvTooManyRows</comment>
        <translation>CSV：%1 行を超えています。武将データに入る数より多いです</translation>
    </message>
    <message>
        <source>CSV: line %1 has more than %2 cells</source>
        <comment>kTableCsvTooManyCells</comment>
        <translation>CSV：%1 行目のセルが %2 個を超えています</translation>
    </message>
    <message>
        <source>CSV: a quoted cell is not closed</source>
        <comment>kTableCsvQuoteOpen</comment>
        <translation>CSV：引用符で囲まれたセルが閉じていません</translation>
    </message>
    <message>
        <source>CSV: no header row</source>
        <comment>kTableCsvNoHeader</comment>
        <translation>CSV：見出し行がありません</translation>
    </message>
    <message>
        <source>CSV: line %1 has more cells than the header</source>
        <comment>kTableCsvCellsBeyondHeader</comment>
        <translation>CSV：%1 行目のセルが見出しより多いです</translation>
    </message>
    <message>
        <source>the spreadsheet is text in none of UTF-8, GBK, Big5 and Shift-JIS</source>
        <comment>kTableNotText</comment>
        <translation>表は UTF-8、GBK、Big5、Shift-JIS のどのテキストでもありません</translation>
    </message>
    <message>
        <source>the spreadsheet is not %1 text (line %2)</source>
        <comment>kTableNotInEncoding</comment>
        <translation>表は %1 のテキストではありません（%2 行目）</translation>
    </message>
    <message>
        <source>%1 cannot hold these characters of the rows, written as ?: %2</source>
        <comment>kTableEncodingLacks</comment>
        <translation>%1 では行の次の文字を表せないため ? と書きました：%2</translation>
    </message>
    <message>
        <source>row %1, column %2, value &quot;%3&quot;: </source>
        <comment>kRowProblem</comment>
        <translation>%1 行目、%2 列、値 &quot;%3&quot;：</translation>
    </message>
    <message>
        <source>未知的列</source>
        <comment>kColumnUnknown</comment>
        <translation>不明な列</translation>
    </message>
    <message>
        <source>不是正整数</source>
        <comment>kCellNotPositive</comment>
        <translation>正の整数ではありません</translation>
    </message>
    <message>
        <source>含有 GBK 中没有的字</source>
        <comment>kCellNotGbk</comment>
        <translation>GBK にない文字があります</translation>
    </message>
    <message>
        <source>不是列表中的一项</source>
        <comment>kCellNotInList</comment>
        <translation>リストの項目ではありません</translation>
    </message>
    <message>
        <source>不是整数</source>
        <comment>kCellNotInteger</comment>
        <translation>整数ではありません</translation>
    </message>
    <message>
        <source>最多两名武将</source>
        <comment>kCellTwoOfficersAtMost</comment>
        <translation>武将は 2 人までです</translation>
    </message>
    <message>
        <source>不是武将编号（0～1629 或 10000～10999）</source>
        <comment>kCellNotOfficer</comment>
        <translation>武将番号ではありません（0～1629 または 10000～10999）</translation>
    </message>
    <message>
        <source>不是 0～32767 的头像编号</source>
        <comment>kCellNotPortrait</comment>
        <translation>0～32767 の顔グラフィック番号ではありません</translation>
    </message>
    <message>
        <source>不是武将编号（0～1629 或 10000～10999）或“无”</source>
        <comment>kCellNotOfficerOrNone</comment>
        <translation>武将番号（0～1629 または 10000～10999）でも“无”でもありません</translation>
    </message>
    <message>
        <source>不是内置武将编号（0～1629）</source>
        <comment>kCellNotBuiltInOfficer</comment>
        <translation>登録済み武将の番号ではありません（0～1629）</translation>
    </message>
    <message>
        <source>需要九个等级（S A B C D）</source>
        <comment>kCellNeedsNineRanks</comment>
        <translation>9 つの等級が必要です（S A B C D）</translation>
    </message>
    <message>
        <source>等级只能是 S A B C D</source>
        <comment>kCellRankLetters</comment>
        <translation>等級は S A B C D のみです</translation>
    </message>
    <message>
        <source>战法编号只能是 0～29</source>
        <comment>kCellTacticNumbers</comment>
        <translation>戦法番号は 0～29 のみです</translation>
    </message>
    <message>
        <source>删除 %1</source>
        <comment>kEditDelete</comment>
        <translation>削除 %1</translation>
    </message>
    <message>
        <source>删除 %1 名武将</source>
        <comment>kEditDeleteMany</comment>
        <translation>武将 %1 人を削除</translation>
    </message>
    <message>
        <source>复制 %1</source>
        <comment>kEditDuplicate</comment>
        <translation>複製 %1</translation>
    </message>
    <message>
        <source>复制 %1 名武将</source>
        <comment>kEditDuplicateMany</comment>
        <translation>武将 %1 人を複製</translation>
    </message>
    <message>
        <source>移动 %1 到第 %2 位</source>
        <comment>kEditMove</comment>
        <translation>%1 を %2 番目へ移動</translation>
    </message>
    <message>
        <source>移动 %1</source>
        <comment>kEditMoveOne</comment>
        <translation>移動 %1</translation>
    </message>
    <message>
        <source>移动 %1 名武将</source>
        <comment>kEditMoveMany</comment>
        <translation>武将 %1 人を移動</translation>
    </message>
    <message>
        <source>批量修改 %1 名武将的%2</source>
        <comment>kEditBatch</comment>
        <translation>武将 %1 人の%2を一括変更</translation>
    </message>
    <message>
        <source>第 %1 号不是武将：武将表中有 %2 名武将</source>
        <comment>kNotAnOfficerSlot</comment>
        <translation>%1 番は武将ではありません：武将表には武将が %2 人います</translation>
    </message>
    <message>
        <source>没有选中武将</source>
        <comment>kNoOfficerChosen</comment>
        <translation>武将が選ばれていません</translation>
    </message>
    <message>
        <source>删除下列武将吗？
%1</source>
        <comment>kDeleteQuestion</comment>
        <translation>次の武将を削除しますか？
%1</translation>
    </message>
    <message>
        <source>

下列武将的实父、亲爱或嫌恶武将指向被删除的武将，将被清除：
%1</source>
        <comment>kDeleteRelationsCleared</comment>
        <translation>

次の武将の実父・親愛・嫌悪武将が削除される武将を指しているため、消去されます：
%1</translation>
    </message>
    <message>
        <source>这个值不在列表中</source>
        <comment>kBatchValueOutside</comment>
        <translation>この値はリストにありません</translation>
    </message>
    <message>
        <source>不在列表中（%1～%2）</source>
        <comment>kCheckNotInList</comment>
        <translation>リストにありません（%1～%2）</translation>
    </message>
    <message>
        <source>是城列表中的分隔行，不是城</source>
        <comment>kCheckSeparator</comment>
        <translation>城リストの区切り行で、城ではありません</translation>
    </message>
    <message>
        <source>指向不存在的武将</source>
        <comment>kCheckNoSuchOfficer</comment>
        <translation>存在しない武将を指しています</translation>
    </message>
    <message>
        <source>不是内置武将的编号（0～%1）</source>
        <comment>kCheckNoBuiltInOfficer</comment>
        <translation>登録済み武将の番号ではありません（0～%1）</translation>
    </message>
    <message>
        <source>早于诞生年 %1</source>
        <comment>kCheckDeathBeforeBirth</comment>
        <translation>生年 %1 より前です</translation>
    </message>
    <message>
        <source>超出游戏使用的范围 %1～%2</source>
        <comment>kCheckOutsideRange</comment>
        <translation>ゲームが使う範囲 %1～%2 の外です</translation>
    </message>
    <message>
        <source>无法按本版本的编码解读（第 %1 字节起）</source>
        <comment>kCheckNotDecoded</comment>
        <translation>この版の文字コードとして解読できません（%1 バイト目から）</translation>
    </message>
    <message>
        <source>与第 %1 号武将同名</source>
        <comment>kCheckSameName</comment>
        <translation>%1 番の武将と同名です</translation>
    </message>
    <message>
        <source>检查：%1 处数值游戏不接受（单击一行显示该武将）</source>
        <comment>kCheckPanelTitle</comment>
        <translation>チェック：ゲームが受け付けない値が %1 件（行をクリックでその武将を表示）</translation>
    </message>
    <message>
        <source>“%1”不是列表中的数值列：可用 统率 武勇 智慧 政治 义理 ＣＧ（或 武力、CG、Leadership 等）</source>
        <comment>kFilterUnknownColumn</comment>
        <translation>“%1”は一覧の数値列ではありません：统率 武勇 智慧 政治 义理 ＣＧ（または 武力、CG、Leadership など）が使えます</translation>
    </message>
    <message>
        <source>“%1”不是条件：请写成 武力&gt;100、CG&gt;=1700 这样</source>
        <comment>kFilterBadCondition</comment>
        <translation>“%1”は条件ではありません：武力&gt;100、CG&gt;=1700 のように書いてください</translation>
    </message>
    <message>
        <source>第 %1 / %2 页</source>
        <comment>kPickerPage</comment>
        <translation>%1 / %2 ページ</translation>
    </message>
    <message>
        <source>武将ＣＧ一览</source>
        <comment>kPickerCaption</comment>
        <translation>武将CG一覧</translation>
    </message>
    <message>
        <source>窗口</source>
        <comment>kMenuWindows</comment>
        <translation>ウィンドウ</translation>
    </message>
    <message>
        <source>重新排列窗口</source>
        <comment>kMenuArrange</comment>
        <translation>ウィンドウを並べ直す</translation>
    </message>
    <message>
        <source>游戏与存档文件夹…</source>
        <comment>kMenuFolders</comment>
        <translation>ゲームとデータのフォルダ…</translation>
    </message>
    <message>
        <source>游戏与存档文件夹</source>
        <comment>kFoldersTitle</comment>
        <translation>ゲームとデータのフォルダ</translation>
    </message>
    <message>
        <source>找不到游戏或武将存档，请选择文件夹：</source>
        <comment>kFoldersNotFound</comment>
        <translation>ゲームまたは武将データが見つかりません。フォルダを選んでください：</translation>
    </message>
    <message>
        <source>游戏文件夹中没有：</source>
        <comment>kFoldersGameLacks</comment>
        <translation>ゲームフォルダにないもの：</translation>
    </message>
    <message>
        <source>文档文件夹中没有武将存档的文件夹：</source>
        <comment>kFoldersNoOfficerFolder</comment>
        <translation>ドキュメントフォルダに武将データのフォルダがありません：</translation>
    </message>
    <message>
        <source>编辑器从游戏的安装文件夹读取头像（Grp 文件夹），从“我的文档”文件夹下的 KOEI 文件夹读取登录武将存档。如果还没有武将存档，请先运行游戏进入登录武将一次。</source>
        <comment>kFoldersIntro</comment>
        <translation>エディタは顔グラフィックをゲームのインストールフォルダ（Grp フォルダ）から、登録武将データを「マイ ドキュメント」フォルダの KOEI フォルダから読み込みます。武将データがまだない場合は、先にゲームを起動して武将登録に一度入ってください。</translation>
    </message>
    <message>
        <source>Wine 环境</source>
        <comment>kFoldersWine</comment>
        <translation>Wine 環境</translation>
    </message>
    <message>
        <source>从 Wine 环境中查找…</source>
        <comment>kFoldersWinePick</comment>
        <translation>Wine 環境から探す…</translation>
    </message>
    <message>
        <source>游戏文件夹</source>
        <comment>kFoldersGame</comment>
        <translation>ゲームフォルダ</translation>
    </message>
    <message>
        <source>文档文件夹</source>
        <comment>kFoldersDocuments</comment>
        <translation>ドキュメントフォルダ</translation>
    </message>
    <message>
        <source>浏览…</source>
        <comment>kFoldersBrowse</comment>
        <translation>参照…</translation>
    </message>
    <message>
        <source>√ 找到全部头像文件</source>
        <comment>kFoldersGameFound</comment>
        <translation>√ 顔グラフィックのファイルがすべて見つかりました</translation>
    </message>
    <message>
        <source>√ 找到武将存档</source>
        <comment>kFoldersOfficerFileFound</comment>
        <translation>√ 武将データが見つかりました</translation>
    </message>
    <message>
        <source>√ 找到武将存档的文件夹，读取时新建空的存档</source>
        <comment>kFoldersOfficerFolderFound</comment>
        <translation>√ 武将データのフォルダが見つかりました。読み込み時に空のデータを作ります</translation>
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
        <translation>スキップ</translation>
    </message>
    <message>
        <source>不选文件夹，按现在的设置继续；以后可以从“系统”菜单再选</source>
        <comment>kFoldersSkipTip</comment>
        <translation>フォルダを選ばず、今の設定で続けます。後で「システム」メニューから選べます</translation>
    </message>
    <message>
        <source>取消</source>
        <comment>kFoldersCancel</comment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>不改变文件夹</source>
        <comment>kFoldersCancelTip</comment>
        <translation>フォルダを変えません</translation>
    </message>
    <message>
        <source>选择游戏的安装文件夹</source>
        <comment>kFoldersChooseGame</comment>
        <translation>ゲームのインストールフォルダを選択</translation>
    </message>
    <message>
        <source>选择“我的文档”文件夹</source>
        <comment>kFoldersChooseDocuments</comment>
        <translation>「マイ ドキュメント」フォルダを選択</translation>
    </message>
    <message>
        <source>在找到的 Wine 环境中查找游戏和“我的文档”文件夹</source>
        <comment>kTipWinePrefixes</comment>
        <translation>見つかった Wine 環境からゲームと「マイ ドキュメント」フォルダを探します</translation>
    </message>
    <message>
        <source>游戏的安装文件夹：其中的 Grp 文件夹存放头像文件</source>
        <comment>kTipGameFolder</comment>
        <translation>ゲームのインストールフォルダ：その中の Grp フォルダに顔グラフィックのファイルがあります</translation>
    </message>
    <message>
        <source>“我的文档”文件夹：武将存档在其中的 KOEI 文件夹下</source>
        <comment>kTipDocumentsFolder</comment>
        <translation>「マイ ドキュメント」フォルダ：武将データはその中の KOEI フォルダにあります</translation>
    </message>
    <message>
        <source>记住这两个文件夹，并从中读取头像和武将存档</source>
        <comment>kTipFoldersOk</comment>
        <translation>この 2 つのフォルダを記憶し、そこから顔グラフィックと武将データを読み込みます</translation>
    </message>
    <message>
        <source>姓：1～3 个汉字</source>
        <comment>kTipFamilyName</comment>
        <translation>姓：漢字 1～3 文字</translation>
    </message>
    <message>
        <source>名：1～3 个汉字</source>
        <comment>kTipGivenName</comment>
        <translation>名：漢字 1～3 文字</translation>
    </message>
    <message>
        <source>姓的读音：最多 9 个假名</source>
        <comment>kTipFamilyReading</comment>
        <translation>姓の読み：仮名 9 文字まで</translation>
    </message>
    <message>
        <source>名的读音：最多 9 个假名</source>
        <comment>kTipGivenReading</comment>
        <translation>名の読み：仮名 9 文字まで</translation>
    </message>
    <message>
        <source>列传：最多 73 个汉字（146 字节）；留空则写入“战国神秘的武将人物！”</source>
        <comment>kTipBiography</comment>
        <translation>列伝：漢字 73 文字（146 バイト）まで。空欄なら“战国神秘的武将人物！”を書き込みます</translation>
    </message>
    <message>
        <source>诞生年：须大于 0；下面四个剧本中的年龄由此算出</source>
        <comment>kTipBirthYear</comment>
        <translation>生年：0 より大きいこと。下の 4 つのシナリオでの年齢はこれから計算します</translation>
    </message>
    <message>
        <source>死亡年：游戏使用不早于诞生年的年份</source>
        <comment>kTipDeathYear</comment>
        <translation>没年：ゲームは生年より前でない年を使います</translation>
    </message>
    <message>
        <source>%1：游戏使用 %2～%3</source>
        <comment>kTipGameRange</comment>
        <translation>%1：ゲームが使うのは %2～%3</translation>
    </message>
    <message>
        <source>性别</source>
        <comment>kTipGender</comment>
        <translation>性別</translation>
    </message>
    <message>
        <source>%1适性：Ｓ 最高，Ｄ 最低</source>
        <comment>kTipAptitude</comment>
        <translation>%1適性：Ｓ が最高、Ｄ が最低</translation>
    </message>
    <message>
        <source>战法“%1”：勾选则该武将会此战法</source>
        <comment>kTipTactic</comment>
        <translation>戦法“%1”：チェックするとこの武将がこの戦法を覚えます</translation>
    </message>
    <message>
        <source>勾选则三十个战法全部习得，取消则全部清除</source>
        <comment>kTipAllTactics</comment>
        <translation>チェックすると 30 の戦法をすべて習得、外すとすべて消去</translation>
    </message>
    <message>
        <source>显示相性武将列表的项数</source>
        <comment>kTipCompatibilityCount</comment>
        <translation>相性武将リストの項目数を表示します</translation>
    </message>
    <message>
        <source>字符代码：输入数字后按右边的按钮</source>
        <comment>kTipCodeBox</comment>
        <translation>文字コード：数字を入力して右のボタンを押します</translation>
    </message>
    <message>
        <source>显示左边代码所表示的字符</source>
        <comment>kTipCharacterOfCode</comment>
        <translation>左のコードが表す文字を表示します</translation>
    </message>
    <message>
        <source>实父：选择一名武将，或“无”</source>
        <comment>kTipFather</comment>
        <translation>実父：武将を 1 人選ぶか“なし”</translation>
    </message>
    <message>
        <source>相性武将：相性与此武将相同的武将</source>
        <comment>kTipCompatibility</comment>
        <translation>相性武将：相性がこの武将と同じ武将</translation>
    </message>
    <message>
        <source>亲爱武将</source>
        <comment>kFieldLiked1</comment>
        <translation>親愛武将</translation>
    </message>
    <message>
        <source>亲爱武将二</source>
        <comment>kFieldLiked2</comment>
        <translation>親愛武将二</translation>
    </message>
    <message>
        <source>嫌恶武将</source>
        <comment>kFieldDisliked1</comment>
        <translation>嫌悪武将</translation>
    </message>
    <message>
        <source>嫌恶武将二</source>
        <comment>kFieldDisliked2</comment>
        <translation>嫌悪武将二</translation>
    </message>
    <message>
        <source>从武将列表中选择%1</source>
        <comment>kTipPick</comment>
        <translation>武将リストから%1を選びます</translation>
    </message>
    <message>
        <source>实父设为“无”</source>
        <comment>kTipFatherNone</comment>
        <translation>実父を“なし”にします</translation>
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
        <translation>所属城</translation>
    </message>
    <message>
        <source>在地图上选择所属城</source>
        <comment>kTipMapButton</comment>
        <translation>地図で所属城を選びます</translation>
    </message>
    <message>
        <source>状态</source>
        <comment>kTipStatus</comment>
        <translation>身分</translation>
    </message>
    <message>
        <source>登场/出场</source>
        <comment>kTipAppearance</comment>
        <translation>登場/出場</translation>
    </message>
    <message>
        <source>声音“%1”：点击试听</source>
        <comment>kTipVoice</comment>
        <translation>音声“%1”：クリックで試聴</translation>
    </message>
    <message>
        <source>中日文译：勾选时姓名在游戏文字和简体中文之间转换，并列入关系的武将列表</source>
        <comment>kTipTranslate</comment>
        <translation>中日文訳：チェック時、姓名をゲームの文字と簡体字中国語の間で変換し、関係武将のリストにも並べます</translation>
    </message>
    <message>
        <source>勾选时，游戏文字按繁体字输入和显示</source>
        <comment>kTipTraditional</comment>
        <translation>チェック時、ゲームの文字を繁体字で入力・表示します</translation>
    </message>
    <message>
        <source>武将存档在“我的文档”文件夹下的位置</source>
        <comment>kTipOfficerFile</comment>
        <translation>「マイ ドキュメント」フォルダ内の武将データの場所</translation>
    </message>
    <message>
        <source>重新读取武将存档；未保存的修改将丢失</source>
        <comment>kTipOpen</comment>
        <translation>武将データを読み込み直します。保存していない変更は失われます</translation>
    </message>
    <message>
        <source>打开武将ＣＧ一览，为武将选择头像</source>
        <comment>kTipChoosePortrait</comment>
        <translation>武将CG一覧を開いて、武将の顔グラフィックを選びます</translation>
    </message>
    <message>
        <source>把以上内容写入当前武将；按“保存所有修改”才写入存档</source>
        <comment>kTipModify</comment>
        <translation>上の内容を現在の武将に書き込みます。データへの書き込みは「すべての変更を保存」で行います</translation>
    </message>
    <message>
        <source>以以上内容添加一名新武将</source>
        <comment>kTipAdd</comment>
        <translation>上の内容で新しい武将を 1 人追加します</translation>
    </message>
    <message>
        <source>随机武将：随机填入一名武将的内容，不会自动写入</source>
        <comment>kTipRandom</comment>
        <translation>ランダム武将：武将の内容をランダムに入れます。自動では書き込みません</translation>
    </message>
    <message>
        <source>全部武将：选择一名，填入按“选”打开此列表的那一栏</source>
        <comment>kTipReferenceList</comment>
        <translation>全武将：1 人選ぶと、「選」でこのリストを開いた欄に入ります</translation>
    </message>
    <message>
        <source>要在武将列表中查找的名字，按回车查找</source>
        <comment>kTipReferenceSearch</comment>
        <translation>武将リストで探す名前。Enter で検索</translation>
    </message>
    <message>
        <source>在武将列表中查找名字含有左边文字的武将</source>
        <comment>kTipReferenceFind</comment>
        <translation>左の文字を名前に含む武将を武将リストから探します</translation>
    </message>
    <message>
        <source>关闭武将列表</source>
        <comment>kTipReferenceClose</comment>
        <translation>武将リストを閉じます</translation>
    </message>
    <message>
        <source>所选武将的%1</source>
        <comment>kTipReferenceFigure</comment>
        <translation>選んだ武将の%1</translation>
    </message>
    <message>
        <source>参考：</source>
        <comment>kNameReference</comment>
        <translation>参考：</translation>
    </message>
    <message>
        <source>声音 %1</source>
        <comment>kNameVoice</comment>
        <translation>音声 %1</translation>
    </message>
    <message>
        <source>CG号</source>
        <comment>kLabelPortraitNumber</comment>
        <translation>CG番号</translation>
    </message>
    <message>
        <source>全部登录武将：点击一行，在编辑器中显示该武将</source>
        <comment>kTipListGrid</comment>
        <translation>登録武将すべて：行をクリックすると、エディタにその武将を表示します</translation>
    </message>
    <message>
        <source>要查找的武将名字，按回车查找</source>
        <comment>kTipListSearch</comment>
        <translation>探す武将の名前。Enter で検索</translation>
    </message>
    <message>
        <source>查找名字中含有左边文字的武将</source>
        <comment>kTipListFind</comment>
        <translation>左の文字を名前に含む武将を探します</translation>
    </message>
    <message>
        <source>先备份原存档，再把全部武将写入存档</source>
        <comment>kTipSave</comment>
        <translation>元のデータをバックアップしてから、全武将をデータに書き込みます</translation>
    </message>
    <message>
        <source>单击：让编辑器显示此头像；按住右键：看三种大小</source>
        <comment>kTipThumbnail</comment>
        <translation>クリック：エディタにこの顔グラフィックを表示。右ボタンを押したまま：3 つの大きさで表示</translation>
    </message>
    <message>
        <source>翻页：每页 15 个头像</source>
        <comment>kTipPageBar</comment>
        <translation>ページ送り：1 ページ 15 枚</translation>
    </message>
    <message>
        <source>输入头像号后按回车</source>
        <comment>kTipTypedFace</comment>
        <translation>顔グラフィック番号を入力して Enter</translation>
    </message>
    <message>
        <source>输入头像号（从 1700 起）后按回车</source>
        <comment>kTipTypedEditFace</comment>
        <translation>顔グラフィック番号（1700 から）を入力して Enter</translation>
    </message>
    <message>
        <source>把所选头像给当前武将</source>
        <comment>kTipChange</comment>
        <translation>選んだ顔グラフィックを現在の武将に付けます</translation>
    </message>
    <message>
        <source>不换头像，恢复武将原来的头像</source>
        <comment>kTipCancel</comment>
        <translation>顔グラフィックを変えず、武将の元の顔グラフィックに戻します</translation>
    </message>
    <message>
        <source>头像 %1</source>
        <comment>kNameThumbnail</comment>
        <translation>顔グラフィック %1</translation>
    </message>
    <message>
        <source>史实武将ＣＧ 翻页</source>
        <comment>kNamePageBarStandard</comment>
        <translation>史実武将CG ページ送り</translation>
    </message>
    <message>
        <source>新增武将ＣＧ 翻页</source>
        <comment>kNamePageBarEdit</comment>
        <translation>新武将CG ページ送り</translation>
    </message>
    <message>
        <source>指定史实武将ＣＧ</source>
        <comment>kNameTypedStandard</comment>
        <translation>史実武将CG 番号指定</translation>
    </message>
    <message>
        <source>指定新增武将ＣＧ</source>
        <comment>kNameTypedEdit</comment>
        <translation>新武将CG 番号指定</translation>
    </message>
    <message>
        <source>实父</source>
        <comment>kFieldFather</comment>
        <translation>実父</translation>
    </message>
    <message>
        <source>相性武将</source>
        <comment>kFieldCompatibility</comment>
        <translation>相性武将</translation>
    </message>
    <message>
        <source>Windows 无法播放声音，这台电脑可能没有可用的声音设备。</source>
        <comment>kReasonSystemCannotPlay</comment>
        <translation>Windows はサウンドを再生できません。このコンピュータには使えるサウンドデバイスがないようです。</translation>
    </message>
    <message>
        <source>不是 PNG、JPEG 或 BMP 图片</source>
        <comment>kReasonPictureUnknown</comment>
        <translation>PNG、JPEG、BMP のいずれの画像でもありません</translation>
    </message>
    <message>
        <source>图片已损坏，无法解码</source>
        <comment>kReasonPictureBroken</comment>
        <translation>画像が壊れていて、読み取れません</translation>
    </message>
    <message>
        <source>图片文件不完整，在结尾之前中断</source>
        <comment>kReasonPictureTruncated</comment>
        <translation>画像ファイルが不完全で、終わりの前で切れています</translation>
    </message>
    <message>
        <source>图片太大：%1x%2（最多每边 16384 像素、共 2400 万像素）</source>
        <comment>kReasonPictureTooLarge</comment>
        <translation>画像が大きすぎます：%1x%2（1 辺 16384 画素、合計 2400 万画素まで）</translation>
    </message>
    <message>
        <source>解码这张图片所需的内存超出上限</source>
        <comment>kReasonPictureOverBudget</comment>
        <translation>この画像の読み取りに必要なメモリが上限を超えています</translation>
    </message>
    <message>
        <source>裁剪范围不在图片之内：%1,%2,%3,%4（图片 %5x%6）</source>
        <comment>kReasonCropOutside</comment>
        <translation>切り抜き範囲が画像の外にあります：%1,%2,%3,%4（画像 %5x%6）</translation>
    </message>
    <message>
        <source>档案中的头像尺寸不一：第 %1 号为 %2x%3，第 0 号为 %4x%5</source>
        <comment>kReasonFaceSizesDiffer</comment>
        <translation>アーカイブの顔グラフィックの大きさが揃っていません：%1 番は %2x%3、0 番は %4x%5</translation>
    </message>
    <message>
        <source>第 %1 号头像的位置落在文件头或索引之中：%2</source>
        <comment>kReasonFaceOverlapsIndex</comment>
        <translation>%1 番の顔グラフィックの位置がヘッダか索引の中にあります：%2</translation>
    </message>
    <message>
        <source>同尺寸的史实头像档案中没有头像可作尺寸参照</source>
        <comment>kReasonNoFaceToCopy</comment>
        <translation>同じ大きさの史実顔グラフィックのアーカイブに、大きさの手本になる顔グラフィックがありません</translation>
    </message>
    <message>
        <source>头像档案超过上限 %1 字节</source>
        <comment>kReasonArchiveTooLarge</comment>
        <translation>顔グラフィックのアーカイブが上限の %1 バイトを超えます</translation>
    </message>
    <message>
        <source>无法写入头像档案，三个档案均未改变：</source>
        <comment>kTextFacesNotWritten</comment>
        <translation>顔グラフィックのアーカイブを書き込めません。3 つのアーカイブはどれも変わっていません：</translation>
    </message>
    <message>
        <source>无法备份头像档案，未写入任何内容：</source>
        <comment>kTextFacesBackupFailed</comment>
        <translation>顔グラフィックのアーカイブをバックアップできません。何も書き込んでいません：</translation>
    </message>
    <message>
        <source>写入头像档案中途失败，且无法恢复已替换的档案；请用“系统 → 恢复备份…”恢复头像档案的备份：</source>
        <comment>kTextFacesRolledBackFailed</comment>
        <translation>顔グラフィックのアーカイブの書き込みが途中で失敗し、置き換えたアーカイブを元に戻せませんでした。「システム → バックアップから復元…」で顔グラフィックのアーカイブのバックアップを復元してください：</translation>
    </message>
    <message>
        <source>已写入三个头像档案，但无法确认已写入磁盘：</source>
        <comment>kTextFacesReplacedNotFlushed</comment>
        <translation>3 つの顔グラフィックのアーカイブを書き込みましたが、ディスクへの書き込みを確認できません：</translation>
    </message>
    <message>
        <source>游戏文件夹不可写入，无法保存头像。请以管理员身份运行本程序，或将游戏安装到“Program Files”以外的文件夹（例如 C:\Games），然后再试：</source>
        <comment>kTextFacesFolderReadOnly</comment>
        <translation>ゲームのフォルダに書き込めないため、顔グラフィックを保存できません。このプログラムを管理者として実行するか、ゲームを「Program Files」以外のフォルダ（例えば C:\Games）にインストールしてから、もう一度お試しください：</translation>
    </message>
    <message>
        <source>三个新增头像档案的头像数不一致：大 %1、中 %2、小 %3</source>
        <comment>kReasonEditCountsDiffer</comment>
        <translation>3 つの新武将顔グラフィックのアーカイブで数が揃っていません：大 %1、中 %2、小 %3</translation>
    </message>
    <message>
        <source>这组头像档案备份不全，三个档案缺一不可</source>
        <comment>kReasonBackupSetIncomplete</comment>
        <translation>この顔グラフィックのバックアップは揃っていません。3 つのアーカイブがすべて必要です</translation>
    </message>
    <message>
        <source>导入头像…</source>
        <comment>kPickerImportFace</comment>
        <translation>顔を取り込む…</translation>
    </message>
    <message>
        <source>替换头像…</source>
        <comment>kPickerReplaceFace</comment>
        <translation>顔を置き換える…</translation>
    </message>
    <message>
        <source>把一张图片（PNG、JPEG、BMP）做成新的新增武将头像，写入大、中、小三个头像档案（先备份）</source>
        <comment>kTipImportFace</comment>
        <translation>画像（PNG、JPEG、BMP）を新しい新武将の顔グラフィックにし、大・中・小 3 つのアーカイブに書き込みます（先にバックアップ）</translation>
    </message>
    <message>
        <source>用一张图片替换选中的新增武将头像（三个尺寸，先备份）</source>
        <comment>kTipReplaceFace</comment>
        <translation>選んだ新武将の顔グラフィックを画像で置き換えます（3 つの大きさ、先にバックアップ）</translation>
    </message>
    <message>
        <source>选择头像图片</source>
        <comment>kTitleChoosePicture</comment>
        <translation>顔グラフィックにする画像を選ぶ</translation>
    </message>
    <message>
        <source>图片 (*.png *.jpg *.jpeg *.bmp);;所有文件 (*)</source>
        <comment>kPictureFilter</comment>
        <translation>画像 (*.png *.jpg *.jpeg *.bmp);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>裁剪头像</source>
        <comment>kTitleCropFace</comment>
        <translation>顔グラフィックの切り抜き</translation>
    </message>
    <message>
        <source>拖动方框选择要用的部分，拖动右下角改变大小；右边是游戏中三个尺寸的样子。</source>
        <comment>kCropIntro</comment>
        <translation>枠をドラッグして使う部分を選び、右下の角をドラッグして大きさを変えます。右はゲームでの 3 つの大きさの見え方です。</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <comment>kCropCancel</comment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>用这张图片替换第 %1 号头像吗？三个头像档案会先备份，可用“系统 → 恢复备份…”恢复。</source>
        <comment>kAskReplaceFace</comment>
        <translation>%1 番の顔グラフィックをこの画像で置き換えますか？3 つのアーカイブは先にバックアップされ、「システム → バックアップから復元…」で元に戻せます。</translation>
    </message>
    <message>
        <source>第 %1 号头像正由以下武将使用，替换后他们的头像也会改变：%2。确定替换吗？</source>
        <comment>kAskReplaceUsedFace</comment>
        <translation>%1 番の顔グラフィックは次の武将が使っており、置き換えるとその顔も変わります：%2。置き換えますか？</translation>
    </message>
    <message>
        <source>请先在“新增武将ＣＧ”中点选要替换的头像。</source>
        <comment>kTextNoEditFaceChosen</comment>
        <translation>先に「新武将ＣＧ」で置き換える顔グラフィックをクリックしてください。</translation>
    </message>
    <message>
        <source>已加入第 %1 号头像。点“更改”即可给当前武将使用。</source>
        <comment>kTextFaceAdded</comment>
        <translation>%1 番の顔グラフィックを追加しました。「変更」で現在の武将に付けられます。</translation>
    </message>
    <message>
        <source>新增武将头像档案（EDIT_KAO_l/m/s.n12）的备份，三个一起恢复：</source>
        <comment>kBackupFacesCaption</comment>
        <translation>新武将の顔グラフィックのアーカイブ（EDIT_KAO_l/m/s.n12）のバックアップ。3 つまとめて復元します：</translation>
    </message>
    <message>
        <source>还没有头像档案的备份</source>
        <comment>kBackupFacesNone</comment>
        <translation>顔グラフィックのアーカイブのバックアップはまだありません</translation>
    </message>
    <message>
        <source>恢复这组头像</source>
        <comment>kBackupRestoreFaces</comment>
        <translation>この顔グラフィックを復元</translation>
    </message>
    <message>
        <source>把三个新增武将头像档案一起恢复为选中的备份；现在的档案会先备份</source>
        <comment>kTipRestoreFaces</comment>
        <translation>3 つの新武将顔グラフィックのアーカイブをまとめて選んだバックアップに戻します。今のアーカイブは先にバックアップされます</translation>
    </message>
    <message>
        <source>用 %1 的备份替换现在的三个新增武将头像档案吗？现在的档案会先备份。</source>
        <comment>kAskRestoreFaces</comment>
        <translation>今の 3 つの新武将顔グラフィックのアーカイブを %1 のバックアップで置き換えますか？今のアーカイブは先にバックアップされます。</translation>
    </message>
    <message>
        <source>已恢复三个新增武将头像档案。</source>
        <comment>kTextFacesRestored</comment>
        <translation>3 つの新武将顔グラフィックのアーカイブを復元しました。</translation>
    </message>
</context>
<context>
    <name>MapWindow</name>
    <message>
        <source>MAP</source>
        <translation>地図</translation>
    </message>
    <message>
        <source>城市:</source>
        <translation>城:</translation>
    </message>
</context>
<context>
    <name>OfficerListWindow</name>
    <message>
        <source>名字的一部分，或 武力&gt;100、CG&gt;=1700、退场 这样的条件，用空格分开</source>
        <translation>名前の一部、または 武力&gt;100、CG&gt;=1700、退场 のような条件を空白で区切って入力</translation>
    </message>
    <message>
        <source>名字 或 武力&gt;100 CG&gt;=1700 退场</source>
        <translation>名前 または 武力&gt;100 CG&gt;=1700 退场</translation>
    </message>
    <message>
        <source>筛选</source>
        <translation>絞り込み</translation>
    </message>
    <message>
        <source>检查结果</source>
        <translation>チェック結果</translation>
    </message>
    <message>
        <source>存档中游戏不认可的值；点一项即显示该武将</source>
        <translation>データ中のゲームが受け付けない値。項目をクリックでその武将を表示</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>删除选中的武将（Delete 键）</source>
        <translation>選んだ武将を削除（Delete キー）</translation>
    </message>
    <message>
        <source>复制为新武将</source>
        <translation>新武将として複製</translation>
    </message>
    <message>
        <source>把选中的武将复制到最后</source>
        <translation>選んだ武将を末尾に複製</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>选中的武将在存档中前移一位</source>
        <translation>選んだ武将をデータ内で 1 つ前へ</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>下へ</translation>
    </message>
    <message>
        <source>选中的武将在存档中后移一位</source>
        <translation>選んだ武将をデータ内で 1 つ後ろへ</translation>
    </message>
    <message>
        <source>批量修改</source>
        <translation>一括変更</translation>
    </message>
    <message>
        <source>为选中的所有武将设定同一项</source>
        <translation>選んだ武将すべてに同じ項目を設定</translation>
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
        <translation>知略</translation>
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
        <translation>名前で検索</translation>
    </message>
    <message>
        <source>搜</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>保存所有修改</source>
        <translation>すべての変更を保存</translation>
    </message>
    <message>
        <source>、</source>
        <translation>、</translation>
    </message>
    <message>
        <source> 等 %1 名</source>
        <translation> ほか %1 人</translation>
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
        <translation>史実武将ＣＧ</translation>
    </message>
    <message>
        <source>新增武将ＣＧ</source>
        <translation>新武将ＣＧ</translation>
    </message>
    <message>
        <source>更改</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>ReferencePanel</name>
    <message>
        <source>    史武将列表</source>
        <translation>    史実武将リスト</translation>
    </message>
    <message>
        <source>搜</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>CG号</source>
        <translation>CG番号</translation>
    </message>
    <message>
        <source>诞生年</source>
        <translation>生年</translation>
    </message>
    <message>
        <source>死亡年</source>
        <translation>没年</translation>
    </message>
    <message>
        <source>统御</source>
        <translation>統率</translation>
    </message>
    <message>
        <source>武力</source>
        <translation>武勇</translation>
    </message>
    <message>
        <source>智力</source>
        <translation>知略</translation>
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
        <translation>海賊</translation>
    </message>
    <message>
        <source>忍者</source>
        <translation>忍者</translation>
    </message>
    <message>
        <source>剑豪</source>
        <translation>剣豪</translation>
    </message>
    <message>
        <source>庶民</source>
        <translation>庶民</translation>
    </message>
    <message>
        <source>无</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>亻厶教</source>
        <translation>仏教</translation>
    </message>
    <message>
        <source>一向宗</source>
        <translation>一向宗</translation>
    </message>
    <message>
        <source>基督教</source>
        <translation>キリスト教</translation>
    </message>
    <message>
        <source>元服前</source>
        <translation>元服前</translation>
    </message>
    <message>
        <source>未发现</source>
        <translation>未発見</translation>
    </message>
    <message>
        <source>浪人</source>
        <translation>浪人</translation>
    </message>
    <message>
        <source>俘虏</source>
        <translation>捕虜</translation>
    </message>
    <message>
        <source>人质</source>
        <translation>人質</translation>
    </message>
    <message>
        <source>姬</source>
        <translation>姫</translation>
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
        <translation>足軽</translation>
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
        <translation>鉄砲</translation>
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
        <translation>内政</translation>
    </message>
    <message>
        <source>枪衾</source>
        <translation>槍衾</translation>
    </message>
    <message>
        <source>枪突击</source>
        <translation>槍突撃</translation>
    </message>
    <message>
        <source>枪车</source>
        <translation>槍車</translation>
    </message>
    <message>
        <source>乱战</source>
        <translation>乱戦</translation>
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
        <translation>先駆</translation>
    </message>
    <message>
        <source>突进</source>
        <translation>突進</translation>
    </message>
    <message>
        <source>突击</source>
        <translation>突撃</translation>
    </message>
    <message>
        <source>啄木鸟</source>
        <translation>啄木鳥</translation>
    </message>
    <message>
        <source>乘崩</source>
        <translation>乗崩</translation>
    </message>
    <message>
        <source>车悬</source>
        <translation>車懸</translation>
    </message>
    <message>
        <source>齐射</source>
        <translation>斉射</translation>
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
        <translation>鉄砲一</translation>
    </message>
    <message>
        <source>铁炮二</source>
        <translation>鉄砲二</translation>
    </message>
    <message>
        <source>铁炮三</source>
        <translation>鉄砲三</translation>
    </message>
    <message>
        <source>铁炮四</source>
        <translation>鉄砲四</translation>
    </message>
    <message>
        <source>铁炮五</source>
        <translation>鉄砲五</translation>
    </message>
    <message>
        <source>铁炮六</source>
        <translation>鉄砲六</translation>
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
        <translation>威厳</translation>
    </message>
    <message>
        <source>勇猛</source>
        <translation>勇猛</translation>
    </message>
    <message>
        <source>睿智</source>
        <translation>叡智</translation>
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
        <translation>ゲームの言語版を選んでください</translation>
    </message>
    <message>
        <source>中文版</source>
        <translation>中国語版</translation>
    </message>
    <message>
        <source>日文版</source>
        <translation>日本語版</translation>
    </message>
</context>
<context>
    <name>busho::ReadmeWindow</name>
    <message>
        <source>说明文档</source>
        <translation>説明書</translation>
    </message>
</context>
</TS>
