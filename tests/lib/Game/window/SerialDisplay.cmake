# Window tests take the keyboard focus and move the pointer of the one X server; two at a time would
# steal input from each other.
set_tests_properties(Window.InputBecomesEventsAndCloseEndsTheLoop
                     Window.FocusGatesThePointerAndSizeAndClockChangesAreReported
                     Window.ZeroSizeMeansTheDesktopAndASingleZeroIsReportedAsOne
                     WindowDeathTest.OnlyOneWindowApplicationAtATime
                     PROPERTIES RESOURCE_LOCK display)
