# The Simplified Chinese book: cvob_zh_CN.chm.
set(HELP_BOOK_TITLE "Corvane Orbello 帮助")
set(HELP_LANGUAGE_ID "0x804 Chinese (PRC)")
set(HELP_CODEPAGE CP936)
set(HELP_HTML_LANG " lang=\"zh-CN\"")
set(HELP_BREAK_AFTER_PUNCTUATION ON)
