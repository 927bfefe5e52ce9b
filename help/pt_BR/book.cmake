# The Brazilian Portuguese book: cvob_pt_BR.chm.
set(HELP_BOOK_TITLE "Ajuda do Corvane Orbello")
set(HELP_LANGUAGE_ID "0x416 Portuguese (Brazil)")
set(HELP_CODEPAGE CP1252)
set(HELP_HTML_LANG " lang=\"pt-BR\"")
