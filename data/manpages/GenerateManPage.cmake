# cmake -DPROGRAM=... -DHELP2MAN=... -DDESCRIPTION=... -DCOMMANDS=ON|OFF -DOUTPUT=page.1
#       -DSEE_ALSO=file.h2m -P GenerateManPage.cmake
# Runs help2man on PROGRAM in English and without a display. With COMMANDS, the help of each
# subcommand listed under "Subcommands:" becomes a subsection of COMMANDS.
# LANGUAGE picks the programs' English texts; the C locale keeps help2man's Perl quiet.
set(ENV{LANGUAGE} en)
set(ENV{LC_ALL} C)
set(ENV{QT_QPA_PLATFORM} offscreen)
# Run by name, so the pages show the name and not the build tree's path.
get_filename_component(name ${PROGRAM} NAME)
get_filename_component(directory ${PROGRAM} DIRECTORY)
set(ENV{PATH} "${directory}:$ENV{PATH}")
set(include ${OUTPUT}.h2m)
file(READ ${SEE_ALSO} sections)

# Help text as roff: backslashes escaped, lines that would read as requests protected.
function(as_roff text out)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

if(COMMANDS)
  execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX REPLACE ".*\nSubcommands:\n" "" listed "${help}")
  string(REGEX MATCHALL "(^|\n)  [a-z][a-z-]*" names "${listed}")
  string(APPEND sections "\n[COMMANDS]\n")
  foreach(entry ${names})
    string(STRIP "${entry}" command)
    execute_process(COMMAND ${PROGRAM} ${command} --help OUTPUT_VARIABLE text
      COMMAND_ERROR_IS_FATAL ANY)
    as_roff("${text}" text)
    string(APPEND sections ".SS ${command}\n.nf\n${text}.fi\n")
  endforeach()
endif()
file(WRITE ${include} "${sections}")
execute_process(
  COMMAND ${HELP2MAN} --no-info --name=${DESCRIPTION}
    --include=${include} --output=${OUTPUT} ${name}
  COMMAND_ERROR_IS_FATAL ANY)
