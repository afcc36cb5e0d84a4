<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>MainWindow</name>
    <message>
        <source>Tagwell  (Version 1.4.2)</source>
        <translation>Tagwell  (バージョン 1.4.2)</translation>
    </message>
    <message>
        <source>Interface Type</source>
        <translation>インターフェース</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>シリアル</translation>
    </message>
    <message>
        <source>Parallel</source>
        <translation>パラレル</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>イーサネット</translation>
    </message>
    <message>
        <source>Comm Setting</source>
        <translation>通信設定</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>奇数</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>偶数</translation>
    </message>
    <message>
        <source>LPT Port</source>
        <translation>LPT ポート</translation>
    </message>
    <message>
        <source>COM Port</source>
        <translation>COM ポート</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>ボーレート</translation>
    </message>
    <message>
        <source>Data Bits</source>
        <translation>データビット</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>パリティ</translation>
    </message>
    <message>
        <source>Stop Bits</source>
        <translation>ストップビット</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>切断</translation>
    </message>
    <message>
        <source>User Setting</source>
        <translation>ユーザー設定</translation>
    </message>
    <message>
        <source>User Setting Manager</source>
        <translation>ユーザー設定マネージャー</translation>
    </message>
    <message>
        <source>Calibration Setting Manager</source>
        <translation>キャリブレーション設定マネージャー</translation>
    </message>
    <message>
        <source>Downloader</source>
        <translation>ダウンローダー</translation>
    </message>
    <message>
        <source>PCX File Downloader</source>
        <translation>PCX ファイルダウンローダー</translation>
    </message>
    <message>
        <source>File Transfer</source>
        <translation>ファイル転送</translation>
    </message>
    <message>
        <source>File Transfer Manager</source>
        <translation>ファイル転送マネージャー</translation>
    </message>
    <message>
        <source>RFID</source>
        <translation>RFID</translation>
    </message>
    <message>
        <source>Set Configuration</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Write/Read</source>
        <translation>書き込み/読み取り</translation>
    </message>
    <message>
        <source>TORQ Tester</source>
        <translation>TORQ テスター</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>No serial device for this port</source>
        <translation>このポートに対応するシリアル機器がありません</translation>
    </message>
    <message>
        <source>Device: %1</source>
        <translation>機器: %1</translation>
    </message>
    <message>
        <source>Sorry, parallel port don't support in Windows 98, 98SE, ME.</source>
        <translation>申し訳ありませんが、Windows 98、98SE、ME ではパラレルポートをサポートしていません。</translation>
    </message>
    <message>
        <source>Cannot open port! Please check printer and cable.</source>
        <translation>ポートを開けません。プリンターとケーブルを確認してください。</translation>
    </message>
    <message>
        <source>Success open port.</source>
        <translation>ポートを開きました。</translation>
    </message>
    <message>
        <source>Calibration is not supported on Ethernet connection.</source>
        <translation>イーサネット接続ではキャリブレーションを行えません。</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>This tool is not available in this version.</source>
        <translation>このツールはこのバージョンではまだ使用できません。</translation>
    </message>
</context>
<context>
    <name>PrinterPort</name>
    <message>
        <source>Port error! Check printer's port, please.</source>
        <translation>ポートエラー。プリンターのポートを確認してください。</translation>
    </message>
    <message>
        <source>Port error! Check setting of serial port, please.</source>
        <translation>ポートエラー。シリアルポートの設定を確認してください。</translation>
    </message>
</context>
<context>
    <name>PrinterSocket</name>
    <message>
        <source>Error : Failed to Create socket!</source>
        <translation>エラー : ソケットを作成できませんでした。</translation>
    </message>
    <message>
        <source>Error : Failed to connect. Please, 
check IP port configuration in printer control pannel</source>
        <translation>エラー : 接続できませんでした。
プリンターの操作パネルで IP とポートの設定を確認してください。</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>整数を入力してください。</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>%1 から %2 までの整数を入力してください。</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>数値を入力してください。</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>%1 から %2 までの数値を入力してください。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>The network layer could not be started. Tagwell ends.</source>
        <translation>ネットワーク層を開始できませんでした。Tagwell を終了します。</translation>
    </message>
</context>
</TS>
