cmake_minimum_required(VERSION 3.25)
# Writes the self-contained page: the template with the program's script, its WebAssembly and the
# icon in place, Form1's HTML (what the prerender program prints, run under node) and the page's
# own script. Run with -DTEMPLATE= -DSCRIPT= -DWASM= -DICON= -DPRERENDER= -DGLUE= -DTITLE=
# -DOUTPUT=.
file(READ "${TEMPLATE}" page)
file(READ "${SCRIPT}" script)
execute_process(COMMAND node "${PRERENDER}" OUTPUT_VARIABLE form1 COMMAND_ERROR_IS_FATAL ANY)
file(READ "${GLUE}" glue)
# The scripts sit in the page as text until they run: nothing in them may end that text.
if(script MATCHES "</script" OR glue MATCHES "</script")
  message(FATAL_ERROR "a script of the page holds </script")
endif()
# Binary files go in as base64; the WebAssembly gzip-compressed first, which the page undoes.
set(base64 "process.stdout.write(require('fs').readFileSync(process.argv[1]).toString('base64'))")
set(gzip_base64 "process.stdout.write(require('zlib').gzipSync(\
require('fs').readFileSync(process.argv[1]), { level: 9 }).toString('base64'))")
execute_process(COMMAND node -e "${base64}" "${ICON}" OUTPUT_VARIABLE icon COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND node -e "${gzip_base64}" "${WASM}" OUTPUT_VARIABLE wasm
                COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "@TITLE@" "${TITLE}" page "${page}")
string(REPLACE "@ICON@" "${icon}" page "${page}")
string(REPLACE "@FORM1@" "${form1}" page "${page}")
string(REPLACE "@GLUE@" "${glue}" page "${page}")
string(REPLACE "@WASM@" "${wasm}" page "${page}")
string(REPLACE "@SCRIPT@" "${script}" page "${page}")
file(WRITE "${OUTPUT}" "${page}")
