# The Ukrainian book: cvob_uk.chm.
set(HELP_BOOK_TITLE "Довідка Corvane Orbello")
set(HELP_LANGUAGE_ID "0x422 Ukrainian")
set(HELP_CODEPAGE CP1251)
set(HELP_HTML_LANG " lang=\"uk\"")
