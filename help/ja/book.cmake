# The Japanese book: cvob_ja.chm.
set(HELP_BOOK_TITLE "Corvane Orbello ヘルプ")
set(HELP_LANGUAGE_ID "0x411 Japanese")
set(HELP_CODEPAGE CP932)
set(HELP_HTML_LANG " lang=\"ja\"")
set(HELP_BREAK_AFTER_PUNCTUATION ON)
