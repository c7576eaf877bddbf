# Copies ENTRADA to SAIDA with every line ended by CR LF.
file(READ ${ENTRADA} texto)
string(REPLACE "\r\n" "\n" texto "${texto}")
string(REPLACE "\n" "\r\n" texto "${texto}")
file(WRITE ${SAIDA} "${texto}")
