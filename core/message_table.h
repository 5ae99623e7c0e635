#pragma once
// Every message text of the program, exactly as shown to the user (UTF-8), with its id: the
// numbered texts under their numbers, texts without a number under ids from 100001 on. One list
// gives both the msg:: names and the table, so a name without a text cannot exist.
// X(name, id, text)
#define VEK_MESSAGES(X) \
  X(DataChangedCancel, 132, "データが変更されましたが、キャンセルしてよいのですか？") \
  X(FooterOffPaper, 133, "フッタ表示位置が用紙外の可能性があります \n( %1 mm)") \
  X(NoOldVersionData, 804, "旧バージョンからの追加データはありませんでした.　") \
  X(OldVersionDataAdded, 805, "旧バージョンからの追加データ数=[ %1 ]　") \
  X(CannotAdd, 901, "追加できません.") \
  X(MaxRows, 902, "最大行数です. 追加できません.") \
  X(NoOrBadData, 903, "データが無い、または不正です.") \
  X(CannotOverwrite, 904, "上書きできません.") \
  X(RowOutOfRange, 905, "上書きできません. 指定行が範囲外です.") \
  X(NoSuchEntry, 907, "上書きできません、同じ %1 がありません.") \
  X(SameEntryExists, 908, "同じ %1データがあります.\n修正なら上書きしてください.") \
  X(ResetDigits, 3900, "小数以下桁数を標準設定にしますか") \
  X(TooMuchData, 4001, "これ以上データを扱えません") \
  X(CannotSave, 4005, "保存できませんでした") \
  X(BadNumber, 4006, "数値が異常です") \
  X(NoData, 4007, "データがありません") \
  X(BadScale, 4008, "目盛りが異常です") \
  X(BadWaterLevel, 4009, "水位が異常です") \
  X(BadCalData, 4010, "CALのデータが異常です") \
  X(BadStandpipe, 4011, "スタンドパイプの値が異常です") \
  X(FileNotFound, 4012, "ファイルが見つかりません\n( %1 )") \
  X(NoCalFile, 4013, "キャリブレーションファイルが指定されていません.\n既存のCALファイルを開いて下さい.") \
  X(CannotExecute, 4032, "実行できませんでした\n( %1 )") \
  X(DeviceError, 4090, "ハードウェア、デバイスエラー") \
  X(NotVekData, 32792, "ヴェクのデータではありません") \
  X(EnterInteger, 61712, "整数を入力してください。") \
  X(EnterNumber, 61713, "数字を入力してください。") \
  X(EnterIntegerRange, 61714, "%1 から %2 までの整数を入力してください。") \
  X(EnterNumberRange, 61715, "%1 から %2 までの数値を入力してください。") \
  X(NotCalibrationFile, 100001, "Ver.5 (4、3) のキャリブレーションファイルではありません") \
  X(BadExtension, 100002, "拡張子を CDW(cdw) または VDW(vdw)にして下さい") \
  X(UseOpenForOldVersion, 100003, "旧バージョンファイルは「開く」で読み込んで下さい」") \
  X(SamePressure, 100004, "同じ圧力があります") \
  X(TooFewStepsToSuggest, 100301, "推奨点を求めるには、Pe と r のある点が %1 点以上必要です。（現在 %2 点）") \
  X(SuggestionValueNotFinite, 100302, "推奨点を求められません。段階 %1 の Pe または r が数として扱える範囲を超えています。") \
  X(CannotSaveFile, 100401, "保存できませんでした\n( %1 )") \
  X(FaceNameNotStorable, 100402, "このフォント名はフォントファイルに保存できません\n( %1 )") \
  X(ValueNotStorable, 100403, "保存できませんでした\n%1 は%2") \
  X(BadDriveName, 100450, "ドライブ名が異常です") \
  X(BadFolderOrDrive, 100451, "フォルダ名またはドライブ名が異常です")
