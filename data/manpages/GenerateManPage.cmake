# cmake -DPROGRAM=... -DHELP2MAN=... -DDESCRIPTION=... -DCOMMANDS=ON|OFF -DOUTPUT=page.1
#       -DSEE_ALSO=file.h2m [-DARGUMENT=option] -P GenerateManPage.cmake
# Runs help2man on PROGRAM without a display, with ARGUMENT before its own. With COMMANDS, the help of each subcommand listed under
# "Subcommands:" becomes a subsection of COMMANDS.
set(ENV{QT_QPA_PLATFORM} offscreen)
get_filename_component(name ${PROGRAM} NAME)
execute_process(COMMAND ${PROGRAM} --version OUTPUT_VARIABLE version COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCH "[^ \n]+\n?$" version "${version}")
string(STRIP "${version}" version)

# help2man runs the program by name, so the page shows the name and not the build tree's path.
set(wrapper_dir ${OUTPUT}.bin)
file(MAKE_DIRECTORY ${wrapper_dir})
file(WRITE ${wrapper_dir}/${name} "#!/bin/sh\nexec '${PROGRAM}' ${ARGUMENT} \"$@\"\n")
file(CHMOD ${wrapper_dir}/${name} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
set(ENV{PATH} "${wrapper_dir}:$ENV{PATH}")
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
  COMMAND ${HELP2MAN} --no-info --name=${DESCRIPTION} "--version-string=${name} ${version}"
    --include=${include} --output=${OUTPUT} ${name}
  COMMAND_ERROR_IS_FATAL ANY)
