// Speech
