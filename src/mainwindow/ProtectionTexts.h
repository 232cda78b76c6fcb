#pragma once
// The main window's texts about password-protected books.

namespace miravel::texts {

inline constexpr const char kMenuFilePassword[] = "パスワードの設定(&W)...";
inline constexpr const char kProtectedCaption[] = "（保護）";
inline constexpr const char kProtectedFilter[] = "パスワード付き成績ファイル (*.mrvl)|*.mrvl";
inline constexpr const char kProtectedExtension[] = ".mrvl";
inline constexpr const char kPlainExtension[] = ".txt";
inline constexpr const char kAskPassword[] = "「%1」はパスワード付きの成績ファイルです。パスワードを入力してください。";
inline constexpr const char kWrongPassword[] = "パスワードが違います。";
inline constexpr const char kDamagedProtected[] = "ファイルが壊れているか、書き換えられています。";
inline constexpr const char kOfferBackup[] = "パスワードが3回違いました。代わりにバックアップ（%1）を開きますか？";
inline constexpr const char kOfferVersion[] = "パスワードが3回違いました。代わりに %1 に保存した版を開きますか？";
inline constexpr const char kAskDeletePlain[] = "保護されていない元のファイルを削除しますか？";
inline constexpr const char kPlainVersions[] = "以前の版（%1版）: %2";
inline constexpr const char kCannotDelete[] = "次のファイルを削除できませんでした。";
inline constexpr const char kPasswordChanged[] =
    "パスワードを変更しました。以前の版とバックアップ（.bak）は、古いパスワードのままです。";
inline constexpr const char kCannotMakeKey[] = "パスワードを設定できません。";
inline constexpr const char kPlainExport[] = "書き出したファイルにはパスワードがかかりません。続けますか？";

} // namespace miravel::texts
