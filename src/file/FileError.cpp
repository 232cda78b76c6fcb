#include "file/FileError.h"

#include <cerrno>
#include <new>
#include <stdexcept>
#include <system_error>

namespace miravel {

std::string FileError::Message() const
{
    return line > 0 ? std::to_string(line) + "行目: " + reason : reason;
}

std::string SystemErrorText(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return "権限がありません";
    case ENOENT:
        return "ファイルまたはフォルダーが見つかりません";
    case ENOTDIR:
        return "パスの途中にフォルダーではないものがあります";
    case EISDIR:
        return "フォルダーです";
    case ENAMETOOLONG:
        return "ファイル名が長すぎます";
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return "ディスクの空き容量が足りません";
    case EROFS:
        return "読み取り専用のファイルシステムです";
    case EEXIST:
        return "同じ名前のものがすでにあります";
    case EIO:
        return "入出力エラーが起きました";
    case ELOOP:
        return "シンボリックリンクが循環しています";
    case EFBIG:
        return "ファイルが大きすぎます";
    case EMFILE:
    case ENFILE:
        return "開いているファイルが多すぎます";
    case ENOMEM:
        return "メモリが足りません";
    case EBUSY:
#ifdef ETXTBSY
    case ETXTBSY:
#endif
        return "ほかのプログラムが使用中です";
    case EXDEV:
        return "別のドライブにはまたがれません";
    case EMLINK:
        return "リンクが多すぎます";
    case EINVAL:
        return "ファイル名またはその使い方が正しくありません";
    case EAGAIN:
    case EINTR:
        return "一時的に使えません";
    case ENXIO:
    case ENODEV:
        return "装置が見つかりません";
    default:
        return "システムエラー " + std::to_string(error);
    }
}

std::string ExceptionText(const std::exception& error)
{
    if (dynamic_cast<const std::bad_alloc*>(&error))
        return SystemErrorText(ENOMEM);
    if (const auto* system = dynamic_cast<const std::system_error*>(&error))
        return SystemErrorText(system->code().value());
    // The program's own texts are Japanese; the library's name the function
    // that failed, which stays as a detail for whoever looks into it.
    const std::string what = error.what();
    for (unsigned char c : what)
        if (c >= 0x80)
            return what;
    if (dynamic_cast<const std::out_of_range*>(&error))
        return "範囲の外の位置を使おうとしました（" + what + "）";
    return "予期しないエラー（" + what + "）";
}

} // namespace miravel
